#pragma once
// The DPI LED effect of the sensor page (record bytes 63..66): mode off,
// steady or breathing (SetLightEffect), breathing speed 1..5 (SetLightSpeed)
// and steady brightness in ten levels (SetLightBrightness, levels 1..10 as
// the bytes 16, 30, 60, 90, 128, 150, 180, 210, 230, 255).
//
// The accessors do not block the controls' change signals: the page raises
// g_SensorUiFilling around them, and the change slots send only while the
// pages may send (g_UiReady) and the page is not filling. Steady offers only
// the brightness, breathing only the speed; a hidden slider's row shows its
// grey line.

#include <QFrame>
#include <QString>

class Ui_SensorEffect;

class SensorEffect : public QFrame
{
    Q_OBJECT

public:
    explicit SensorEffect(QWidget *parent = nullptr);
    ~SensorEffect() override;

    // Brightness level 1..10 to its byte; 0 for any other level.
    static int BrightnessByte(int level);
    // A brightness byte to its level; a byte outside the table is handed on
    // as the level itself (the slider keeps it in 1..10).
    static int BrightnessLevel(int byte);

    // The rows a mode shows (0 off: both lines; 1 steady: brightness; 2
    // breathing: speed); any other mode leaves them. Shared with SensorEffectB.
    struct Rows
    {
        QWidget *speed, *speedBox, *line, *light, *lightBox, *line2;
    };
    static void ShowRows(const Rows &rows, int mode);
    // The effect controls send only while the pages may send and the sensor
    // page is not filling them.
    static bool MaySend();
    // The modes the mouse knows: 0 off, 1 steady, 2 breathing. An emptied
    // combo reports -1, which SetLightEffect would store as mode 0xFF.
    static bool IsMode(int mode);
    // The number boxes' rule: LabelColor on transparent, no border.
    static QString NumberBoxSheet();

    void SetModel(int mode);
    void SetSpeed(int speed);
    void SetBrightness(int level);
    void SetSlidersEnabled(bool enabled);
    void SetModelItemText(int index, QString text);
    void SetTitleText(QString text);
    void SetSpeedLabelText(QString text);
    void SetBrightnessLabelText(QString text);

    Ui_SensorEffect *Form() const { return ui; }

private slots:
    void on_Model_currentIndexChanged(int index);
    void on_SpeedH_valueChanged(int value);
    void on_SpeedH_sliderMoved(int position);
    void on_LightH_valueChanged(int value);
    void on_LightH_sliderMoved(int position);

private:
    void ApplyVisibility(int mode);

    Ui_SensorEffect *ui;
    QString pictureDir;
};
