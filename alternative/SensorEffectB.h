#pragma once
// The DPI LED effect with three mode buttons in place of the sensor page's
// combo: the same bytes (63..66), setters, brightness table and rows as
// SensorEffect. No page places it yet. The owner's operations send nothing,
// except SetSpeed and SetBrightness, whose sliders' value slots run (the
// owner raises g_SensorUiFilling around them, as the sensor page does).

#include <QFrame>
#include <QString>

class QButtonGroup;
class Ui_SensorEffectB;

class SensorEffectB : public QFrame
{
    Q_OBJECT

public:
    explicit SensorEffectB(QWidget *parent = nullptr);
    ~SensorEffectB() override;

    // Shows mode 0 (off), 1 (steady) or 2 (breathing) without sending.
    void SetModel(int mode);
    void SetSpeed(int value);
    void SetBrightness(int value);
    void SetSlidersEnabled(bool on);
    // 0 off (MM3), 1 steady (MM1), 2 breathing (MM2); other modes: nothing.
    void SetModeText(int mode, QString text);
    void SetTitleText(QString text);
    void SetSpeedText(QString text);
    void SetBrightnessText(QString text);

    // The mode change the three buttons share: rows and, when the page may
    // send, SetLightEffect. An owner that adds a mode combo connects its
    // currentIndexChanged here by pointer (the form has no such child, so it
    // is no by-name slot). Only modes 0..2 ever reach the mouse.
    void ChangeMode(int index);

private slots:
    void on_SpeedH_valueChanged(int value);
    void on_SpeedH_sliderMoved(int position);
    void on_LightH_valueChanged(int value);
    void on_LightH_sliderMoved(int position);
    void on_MM3_clicked(bool checked);
    void on_MM1_clicked(bool checked);
    void on_MM2_clicked(bool checked);

private:
    void ShowRows(int mode);

    Ui_SensorEffectB *ui;
    QString pictureDir;
    QButtonGroup *modeGroup = nullptr;
};
