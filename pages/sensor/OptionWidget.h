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

    QString pictureDir;

private:
    FieldSetter m_Setter;
};
