#pragma once
// The on/off switches of the sensor page. Each shows one record byte and,
// when the user clicks it, sends 1 or 0 through its one field setter while
// the pages may send (g_UiReady):
//   RippeControl  byte 10  SetRippeControl
//   StraightLine  byte 9   SetStraightLine
//   MotionSync    byte 7   SetMotionSync
// Only a click sends; the page's SetChecked emits no click, so a refresh
// never writes back. The switch shows "Close.png" off and "Open.png" on.

#include "OptionWidget.h"

#include <QString>

class QToolButton;
class Ui_SensorSwitch;

class SensorSwitch : public OptionWidget
{
    Q_OBJECT

public:
    ~SensorSwitch() override;

    void SetChecked(bool checked);
    void SetLabelText(QString text);
    void SetLabelToolTip(QString text);
    QToolButton *SwitchButton() const;

protected:
    // Builds the form of the frame name ("RippeControl" ...) and caption; the
    // derived widget connects its slots by name once it is complete (the
    // frame's meta-object is still the base one here).
    SensorSwitch(const char *frameName, const char *caption, FieldSetter setter, QWidget *parent);

    Ui_SensorSwitch *ui;
};

class RippeControl : public SensorSwitch
{
    Q_OBJECT
public:
    explicit RippeControl(QWidget *parent = nullptr);
private slots:
    void on_RippeControl_2_clicked(bool checked);
};

class StraightLine : public SensorSwitch
{
    Q_OBJECT
public:
    explicit StraightLine(QWidget *parent = nullptr);
private slots:
    void on_StraightLine_2_clicked(bool checked);
};

class MotionSync : public SensorSwitch
{
    Q_OBJECT
public:
    explicit MotionSync(QWidget *parent = nullptr);
private slots:
    void on_MotionSync_2_clicked(bool checked);
};
