#pragma once
// The lift-off selector of the sensor page (record byte 5: index + 1). A
// change sends through SetLOD only while the pages may send (g_UiReady) and
// the sensor page is not filling its widgets (g_SensorUiFilling): the page
// moves the combo itself during a refresh, and that must not write back. The
// page's slot of the same name answers the same change after this one.

#include "OptionWidget.h"

#include <QString>

class MyConmboBox;
class Ui_SensorLOD;

class SensorLOD : public OptionWidget
{
    Q_OBJECT

public:
    explicit SensorLOD(QWidget *parent = nullptr);
    ~SensorLOD() override;

    // setCurrentIndex on the combo, signals open (the page raises its filling
    // flag around the call).
    void SetCurrentIndex(int index);
    void SetLODEnabled(bool enabled);
    void SetLabelText(QString text);
    void SetLabelToolTip(QString text);

    MyConmboBox *Combo() const;

private slots:
    void on_LOD_currentIndexChanged(int index);

private:
    Ui_SensorLOD *ui;
};
