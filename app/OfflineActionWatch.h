#pragma once
// Watches the user's input for the end of an action whose offline notice has
// closed (OfflineAction.h), so that what is left of it never reaches the
// mouse and a new action goes through as usual.
//
// The action ends when control is back in the event loop with no mouse
// button held, once the release of the last held button has been handled,
// or with a new press (one button down alone, not the press that the
// action began with). Until then, moves with a button held are kept from
// the widgets: a drag begun while the mouse was offline changes nothing on
// the page either. Releases always go through, so no control is left
// pressed.
//
// One watch, on the application, for the top-level window's lifetime.

#include <QObject>

class OfflineActionWatch : public QObject
{
    Q_OBJECT

public:
    explicit OfflineActionWatch(QObject *parent = nullptr);
    ~OfflineActionWatch() override;

    // The offline notice of the current action has closed: with the mouse
    // back, the rest of the action is void from now on.
    void NoticeClosed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Ends the void unless a button is still held (its release will).
    void EndUnlessHeld();

    Qt::MouseButtons m_Held = Qt::NoButton;
    // Time stamp of the press that began the current action: the press is
    // seen again by every widget it is handed on to.
    unsigned long m_PressStamp = 0;
};
