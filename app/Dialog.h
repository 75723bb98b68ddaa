#pragma once
// The main frame: page 1 of the top-level window, shown while one mouse is
// selected. It builds the four device pages once and stacks them (buttons,
// sensor, macro, settings), a page (the button page in parts) per step
// (BuildNextStep) so that input and painting get through between them; runs
// the apply-and-wait dialog on every SigUpDataParam, shows the battery, saves
// the parameter record to the device's cache file on close and on the way
// back to the device list, and greys out the navigation while a macro is
// recorded.

#include <QWidget>

class QButtonGroup;
class QEvent;
class QKeyEvent;
class Buttoninterface;
class Macro;
class Sensor;
class FormSetting;
class UpDataParam;
class Ui_Dialog;

class Dialog : public QWidget
{
    Q_OBJECT

public:
    // Build::InSteps builds the frame's own widgets only, the pages follow in
    // the steps; Build::Whole builds all of it at once.
    enum class Build { Whole, InSteps };
    explicit Dialog(QWidget *parent = nullptr, Build build = Build::Whole);
    ~Dialog() override;

    // Builds the next page or part of one; true once the frame is complete: every page
    // built and the frame's hub connections made. Nothing outside the frame
    // may use it before that: the top-level window finishes the steps at once
    // wherever the frame is needed.
    bool BuildNextStep();
    void BuildRemainingSteps();
    bool IsComplete() const;
    // Once complete: does the next part of what the first show would do
    // (polish the frame and the wait dialog, which decodes their pictures);
    // true once all of it is done. Harmless after the frame has been shown.
    bool PrepareNextStep();
    bool IsPrepared() const;

    // For tests.
    Ui_Dialog *Form() const { return ui; }
    UpDataParam *ApplyDialog() const { return m_UpDataParam; }
    Buttoninterface *ButtonPage() const { return m_ButtonPage; }
    Sensor *SensorPage() const { return m_SensorPage; }
    Macro *MacroPage() const { return m_MacroPage; }
    FormSetting *SettingPage() const { return m_SettingPage; }

public slots:
    void WindowClosed();
    void WindowMin();

    void SlotSecondDialog();
    void SlotUpDataParam(int index);
    void SlotStartRecord(int index);
    void SlotMouseIndex(int index);
    void SlotBattery(bool IsCharg, int Number, bool IsText);

private slots:
    void on_ButtonMain_clicked();
    void on_SensorButton_clicked();
    void on_MacroButton_clicked();
    void on_FormSetting_clicked();
    void on_LightsButton_clicked();
    void on_UpArrow_clicked();
    void on_CloseButton_clicked();
    void on_SetButton_clicked();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void InitButtonGroup();
    void SaveRecordToCache();

    Ui_Dialog *ui = nullptr;
    QButtonGroup *m_NavGroup = nullptr;
    Buttoninterface *m_ButtonPage = nullptr;
    Macro *m_MacroPage = nullptr;
    Sensor *m_SensorPage = nullptr;
    FormSetting *m_SettingPage = nullptr;
    UpDataParam *m_UpDataParam = nullptr;
    QString m_PicturePath;
    static constexpr int PrepareSteps = 3;
    bool m_Complete = false;
    int m_PrepareStep = 0;
};
