#pragma once
// Other forms of the sensor page's option widgets and of the debounce
// selector: the same record bytes and setters, through OptionWidget.
//   RippeControlB  byte 10  switch, 1 on / 0 off
//   StraightLineB  byte 9   switch
//   MotionSyncB    byte 7   switch
//   SensorLODB     byte 5   check boxes 1mm / 2mm (1, 2)
//   SensorRateB    byte 0   six check boxes, rate codes and SigHideModel
//   DebouncetimeB  byte 6   slider 1..20 with a number box
//   DebouncetimeC  byte 6   number box 0..20 with plus and minus
// No page places them yet. Their accessors only show a value, never send.

#include "OptionWidget.h"

#include <QString>

class QButtonGroup;
class Ui_SwitchB;
class Ui_SensorLODB;
class Ui_SensorRateB;
class Ui_DebouncetimeB;
class Ui_DebouncetimeC;

class SwitchB : public OptionWidget
{
    Q_OBJECT

public:
    ~SwitchB() override;

    void SetChecked(bool checked);
    void SetLabelText(QString text);
    void SetLabelToolTip(QString text);

protected:
    SwitchB(const char *context, const char *buttonName, const char *caption, FieldSetter setter, QWidget *parent);

    Ui_SwitchB *ui;
};

class RippeControlB : public SwitchB
{
    Q_OBJECT
public:
    explicit RippeControlB(QWidget *parent = nullptr);
private slots:
    void on_RippeControl_2_clicked(bool checked);
};

class StraightLineB : public SwitchB
{
    Q_OBJECT
public:
    explicit StraightLineB(QWidget *parent = nullptr);
private slots:
    void on_StraightLine_2_clicked(bool checked);
};

class MotionSyncB : public SwitchB
{
    Q_OBJECT
public:
    explicit MotionSyncB(QWidget *parent = nullptr);
private slots:
    void on_MotionSync_2_clicked(bool checked);
};

class SensorLODB : public OptionWidget
{
    Q_OBJECT

public:
    explicit SensorLODB(QWidget *parent = nullptr);
    ~SensorLODB() override;

    void SetButtonsEnabled(bool enabled);
    // 0 checks 1mm, 1 checks 2mm, anything else: nothing.
    void SetCheckedIndex(int index);
    void SetLabelText(QString text);
    void SetLabelToolTip(QString text);

private slots:
    // A click sends even on the box already checked (the argument is not
    // looked at), but never while the sensor page fills its widgets.
    void on_MM1_clicked(bool checked);
    void on_MM2_clicked(bool checked);

private:
    Ui_SensorLODB *ui;
    QButtonGroup *lodGroup = nullptr;
};

class SensorRateB : public OptionWidget
{
    Q_OBJECT

public:
    explicit SensorRateB(QWidget *parent = nullptr);
    ~SensorRateB() override;

    // Checks box 0 (125 Hz) ... 5 (4000 Hz); any other index: nothing.
    void SetRateIndex(int index);
    // 0: no 2000/4000 Hz; 1: both; 2: 2000 Hz only; other: nothing.
    void SetHighRateVisible(int mode);
    void SetLabelText(QString text);

private slots:
    void on_Button125HZ_clicked(bool checked);
    void on_Button250HZ_clicked(bool checked);
    void on_Button500HZ_clicked(bool checked);
    void on_Button1000HZ_clicked(bool checked);
    void on_Button2000HZ_clicked(bool checked);
    void on_Button4000HZ_clicked(bool checked);

private:
    Ui_SensorRateB *ui;
    QButtonGroup *rateGroup = nullptr;
};

class DebouncetimeB : public OptionWidget
{
    Q_OBJECT

public:
    explicit DebouncetimeB(QWidget *parent = nullptr);
    ~DebouncetimeB() override;

    void SetValue(int value);
    void SetSuffix(QString suffix);

private slots:
    // Dragging only shows the number; tracking is off, so valueChanged comes
    // once on release (or at once for a click beside the handle) and sends.
    void on_Debunce_sliderMoved(int position);
    void on_Debunce_valueChanged(int value);

private:
    Ui_DebouncetimeB *ui;
};

class DebouncetimeC : public OptionWidget
{
    Q_OBJECT

public:
    explicit DebouncetimeC(QWidget *parent = nullptr);
    ~DebouncetimeC() override;

    void SetValue(int value);
    void SetSuffix(QString suffix);

private slots:
    // Plus stops at 20. Minus stops at 1, but from the start value 0 it stays
    // at 0 and sends 0 (the box's minimum), as the mouse has always been told.
    void on_AddLevelA_clicked();
    void on_ReduceLevelA_clicked();

private:
    Ui_DebouncetimeC *ui;
};
