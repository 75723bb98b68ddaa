#pragma once
// The sleep-time selectors: the time after which the mouse's lights go off
// (byte 8 of the record, in units of 10 s), sent through SetStopCloseTime.
// StopCloseTime offers the 11 times in a combo box, StopCloseTimeB as the 11
// positions of a slider with a number box; both use one coding (SleepTime).
//
// Both send only while g_UiReady is set and g_LightUiFilling is clear, and
// only for the user's choice: SetCurrentIndex never sends. An offline device
// gets nothing written (the setter brings the offline notice) while the
// widget keeps the new choice, so it then shows a time the record does not
// hold; the next refresh puts it right.

#include <QFrame>
#include <QString>

class Ui_StopCloseTime;
class Ui_StopCloseTimeB;

namespace SleepTime {

constexpr int EntryCount = 11;

// Entry k is combo index k and slider position k + 1. The code of entry k
// (units of 10 s: 1, 3, 6, 30, 60 ... 240 for 10 s, 30 s, 1 min, 5 min,
// 10 min ... 40 min); -1 for an index outside 0..10.
int CodeOfEntry(int entry);
// The entry of a stored code; -1 when the code is none of the 11.
int EntryOfCode(int code);
// Sends the code of the entry when g_UiReady is set and g_LightUiFilling
// clear (an entry outside 0..10 sends nothing).
void SendEntry(int entry);

} // namespace SleepTime

class StopCloseTime : public QFrame
{
    Q_OBJECT

public:
    explicit StopCloseTime(QWidget *parent = nullptr);
    ~StopCloseTime() override;

    // Selects the combo entry without sending (signals blocked).
    void SetCurrentIndex(int index);
    void SetItemText(int index, QString text);

private slots:
    void on_StopClose_activated(int index);

private:
    Ui_StopCloseTime *ui;
    QString m_PicturePath;
};

class StopCloseTimeB : public QFrame
{
    Q_OBJECT

public:
    explicit StopCloseTimeB(QWidget *parent = nullptr);
    ~StopCloseTimeB() override;

    // The number shown for slider position 1..11 (10, 30, 1, 5, 10 ... 40);
    // a position outside the range is taken as the nearest end.
    static int ValueToNumber(int position);

    // Slider position index + 1 without sending; the number box follows.
    void SetCurrentIndex(int index);
    // Index 0: the seconds unit = text without "10"; index 5: the minutes
    // unit = text without "15" (the item texts "10秒" and "15分钟" leave the
    // unit words). Other indexes change nothing.
    void SetItemText(int index, QString text);

private slots:
    void on_StopClose_sliderMoved(int position);
    void on_StopClose_valueChanged(int value);

private:
    // Number and unit of slider position p in the number box.
    void ShowPosition(int position);

    Ui_StopCloseTimeB *ui;
    QString m_PicturePath;
    QString m_SecondUnit;
    QString m_MinuteUnit;
};
