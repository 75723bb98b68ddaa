#pragma once
// The lighting page: the light bar's mode, colour, brightness and speed
// (record bytes 67..73), the lights-off-while-moving switch (byte 11) and the
// sleep time (byte 8, through the embedded StopCloseTime "frameClose").
//
// No window shows the page yet and its constructor connects no hub signal:
// whoever shows it calls SlotUpDataLightUILight / SlotUpDataLightUIA with a
// record, SlotFormResetLight and SlotChangeLanguage itself (by connection or
// invokeMethod; the slots are private as on every page).
//
// Sending rules:
//  - controls send only while g_UiReady is set; the mode, level and switch
//    handlers also stay quiet while g_LightUiFilling is set; the colour boxes
//    test g_UiReady only, so the refresh blocks their signals;
//  - the step buttons, the presets and the colour board first run the online
//    guard: with g_UiReady set and the device offline (and no fill under
//    way) they bring the offline notice and change nothing;
//  - the other handlers change their widget first; an offline setter writes
//    nothing, so the widget then shows a value the record does not hold
//    until the next refresh;
//  - building the page sends nothing, whatever g_UiReady holds.

#include "FlashDataMap.h"
#include "LanguageLoader.h"

#include <QColor>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QMouseEvent;
class Ui_LampLight;

class LampLight : public QWidget
{
    Q_OBJECT

public:
    explicit LampLight(QWidget *parent = nullptr);
    ~LampLight() override;

    // Puts the 14 preset buttons into the page's exclusive button group. The
    // constructor does not call it: the presets are checkable but not
    // mutually exclusive.
    void InitButtonGroup();

    // The preset colours A..N (index 0..13).
    static QColor PresetColour(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_LightMod_currentIndexChanged(int index);
    void on_LightMod_activated(int index);
    void on_LightMod_editTextChanged(const QString &text);
    void on_horizontalLight_sliderMoved(int position);
    void on_horizontalLight_valueChanged(int value);
    void on_horizontalSpeed_sliderMoved(int position);
    void on_horizontalSpeed_valueChanged(int value);
    void on_LightSpinBox_2_valueChanged(int value);
    void on_SpeedSpinBox_2_valueChanged(int value);
    void on_RSpinBox_valueChanged(int value);
    void on_GSpinBox_valueChanged(int value);
    void on_BSpinBox_valueChanged(int value);
    void on_AddR_clicked();
    void on_AddG_clicked();
    void on_AddB_clicked();
    void on_ReduceR_clicked();
    void on_ReduceG_clicked();
    void on_ReduceB_clicked();
    void on_toolButtonColorA_clicked();
    void on_toolButtonColorB_clicked();
    void on_toolButtonColorC_clicked();
    void on_toolButtonColorD_clicked();
    void on_toolButtonColorE_clicked();
    void on_toolButtonColorF_clicked();
    void on_toolButtonColorG_clicked();
    void on_toolButtonColorH_clicked();
    void on_toolButtonColorI_clicked();
    void on_toolButtonColorJ_clicked();
    void on_toolButtonColorK_clicked();
    void on_toolButtonColorL_clicked();
    void on_toolButtonColorM_clicked();
    void on_toolButtonColorN_clicked();
    void on_RippeControl_clicked(bool checked);

    void SlotUpDataLightUILight(FlashDataMap DataMap);
    void SlotUpDataLightUIA(FlashDataMap DataMap);
    void SlotFormResetLight();
    void SlotChangeLanguage(int index);
    char ByteToQString(uchar a);

private:
    // Codes and sends a sleep-time index under the page's guard. The form
    // names the selector "frameClose", so there is no child "StopCloseTime"
    // to connect by name and nothing reaches this handler; the selector sends
    // the user's choice itself. It is not declared a slot so that the by-name
    // connection does not warn about it each time the page is built.
    void on_StopCloseTime_activated(int index);
    // True when the page may go on: g_UiReady clear, the device online, or a
    // fill under way. Otherwise brings the offline notice and returns false.
    bool OnlineGuard();
    // Shows and hides the line, colour, brightness and speed groups for a
    // mode index (an index outside 0..5 changes nothing).
    void ApplyModeLayout(int index);
    // The guarded send of a mode, level or switch change.
    static bool MaySend();
    void StepChannel(int channel, int delta);
    void ApplyPreset(int index);
    // Sets the three colour boxes in the order red, green, blue; each box
    // whose value changes sends.
    void SetColourBoxes(int red, int green, int blue);
    void SendColour();
    void ShowPreview(int red, int green, int blue);
    void Refresh(const FlashDataMap &map, bool slidersEnabled);
    void ApplySkin();
    // The geometry of a widget of the form in page coordinates.
    QRect PageGeometry(const QWidget *widget) const;

    Ui_LampLight *ui;
    QButtonGroup *m_ButtonGroup = nullptr;
    QString m_PicturePath;
    LanguageReaderPtr m_Reader;
};
