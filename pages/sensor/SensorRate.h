#pragma once
// The report-rate buttons of the sensor page (record byte 0). A click sends
// the button's rate code through SetReportRate while the pages may send
// (g_UiReady) and, when the mouse took it, tells the page with SigHideModel
// (0 for 125..1000 Hz, 1 for 2000 and 4000 Hz) so its sensor-mode mirror
// follows. The page's own slots of the same names answer the same clicks
// after these (the page's form connects them by name through the whole
// tree), so one click sends the record twice.

#include "OptionWidget.h"

#include <QString>

class QButtonGroup;
class QToolButton;
class Ui_SensorRate;

class SensorRate : public OptionWidget
{
    Q_OBJECT

public:
    explicit SensorRate(QWidget *parent = nullptr);
    ~SensorRate() override;

    // Checks button 0 (125 Hz) ... 5 (4000 Hz); any other index: nothing.
    void SetRateIndex(int index);
    // 0: no 2000/4000 Hz; 1: both; 2: 2000 Hz only; other: nothing. The
    // check state is left alone.
    void SetHighRateVisible(int mode);
    void SetLabelText(QString text);

    QToolButton *RateButton(int index) const;
    int CheckedIndex() const;

private slots:
    void on_Button125HZ_clicked(bool checked);
    void on_Button250HZ_clicked(bool checked);
    void on_Button500HZ_clicked(bool checked);
    void on_Button1000HZ_clicked(bool checked);
    void on_Button2000HZ_clicked(bool checked);
    void on_Button4000HZ_clicked(bool checked);

private:
    Ui_SensorRate *ui;
    QButtonGroup *rateGroup = nullptr;
};
