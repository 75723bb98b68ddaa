#pragma once
// The common shape of the small option widgets (SensorRate, SensorLOD,
// RippeControl, StraightLine, MotionSync and their ...B variants): one
// control, one field setter of the parameter record.
//
// A widget derives from OptionWidget and:
//   1. hands the base its field setter (SetRippeControl, SetLOD, ...);
//   2. builds its form (ui = new Ui_X; ui->setupUi(this); its slots connect
//      by name) and sets its style sheets from pictureDir and the skin;
//   3. in each slot sends the user's change with one of the three calls
//      below, chosen by how the control changes:
//        - SendSwitch(checked): a check button's clicked(bool); sends 1 or 0;
//        - SendClick(value): a click, which only the user makes (a check
//          set by the page emits no click);
//        - SendChange(value): a change signal that the page's own filling
//          fires as well (a combo's index, a slider's value): it also stays
//          quiet while the sensor page fills its widgets.
// Each call sends only while g_UiReady is set, and returns the setter's
// answer (true: the device was online and took the record), false when
// nothing was sent. The control keeps the user's choice either way.
//
// The widgets have no hub connection and no language section: the sensor
// page fills them and sets their texts through their accessors.

#include <QFrame>
#include <QString>

class OptionWidget : public QFrame
{
    Q_OBJECT

public:
    // A field setter of the parameter record (DataSetters.h).
    using FieldSetter = bool (*)(int value);

    FieldSetter Setter() const { return m_Setter; }

    // <application dir>/Picture/Sensor/, the option widgets' picture folder.
    static QString PictureFolder();

protected:
    OptionWidget(FieldSetter setter, QWidget *parent);
    ~OptionWidget() override;

    bool SendSwitch(bool checked);
    bool SendClick(int value);
    bool SendChange(int value);
    // A report-rate box 0 (125 Hz) ... 5 (4000 Hz) became or stays checked:
    // sends its rate code (8, 4, 2, 1, 16, 32) and, when the mouse took it,
    // emits SigHideModel (1 for 2000 and 4000 Hz, else 0) so the sensor page's
    // mode selector follows. Unchecked or another index: nothing.
    bool SendRate(bool checked, int index);
    // The on/off switch rule: "Close.png" off, "Open.png" on.
    QString SwitchSheet(const QString &objectName) const;

    QString pictureDir;

private:
    FieldSetter m_Setter;
};
