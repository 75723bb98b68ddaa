#pragma once
// A device-list tile button: when the mouse enters it, it refreshes the
// online state of the list entry whose number its object name carries
// ("btn" + number).
//
// The device list registers its list with SetDeviceList(): the number of
// entries and the refresh of one entry. A number outside the list (or no
// list registered) refreshes nothing.

#include <QToolButton>

#include <functional>

class mytoolButtonEnter : public QToolButton
{
    Q_OBJECT

public:
    using CountFunction = std::function<int()>;
    using RefreshFunction = std::function<bool(int index)>;

    explicit mytoolButtonEnter(QWidget *parent = nullptr);
    ~mytoolButtonEnter() override;

    static void SetDeviceList(CountFunction count, RefreshFunction refresh);

    // The entry number of a tile name: every "btn" removed, decimal, 0 when
    // the rest is not a number.
    static int EntryNumber(const QString &objectName);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
