#pragma once
// The debounce-time selector (0 to 20 ms, record byte 6), shown on the button
// page. A pick by the user writes the device through SetDebounceTime, but
// only while the pages may send (g_UiReady) and never while the button page
// fills its widgets (g_ButtonPageUpdating): a refresh or reset that moves the
// combo only shows the stored value and never writes it back.

#include <QFrame>
#include <QString>

class MyConmboBox;
class Ui_DebounceTime;

class DebounceTime : public QFrame
{
    Q_OBJECT

public:
    static constexpr int ItemCount = 21;

    explicit DebounceTime(QWidget *parent = nullptr);
    ~DebounceTime() override;

    // Item index reads the index in decimal followed by text.
    void SetItemText(int index, QString text);
    // Selects an item (signals not blocked; an index outside 0..20 leaves no
    // current item).
    void SetCurrentIndex(int index);

    MyConmboBox *Combo() const;

private slots:
    void on_Debunce_currentIndexChanged(int index);

private:
    Ui_DebounceTime *ui;
    QString pictureDir;
};
