#include "OfflineActionWatch.h"

#include "OfflineAction.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

OfflineActionWatch::OfflineActionWatch(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

OfflineActionWatch::~OfflineActionWatch()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    OfflineAction::End();
}

void OfflineActionWatch::NoticeClosed()
{
    // After every handler of the event that ran the notice.
    if (OfflineAction::NoticeClosed())
        QTimer::singleShot(0, this, &OfflineActionWatch::EndUnlessHeld);
}

void OfflineActionWatch::EndUnlessHeld()
{
    if (m_Held == Qt::NoButton)
        OfflineAction::End();
}

bool OfflineActionWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool newAction = mouse->buttons() == mouse->button() && mouse->timestamp() != m_PressStamp;
        if (newAction) {
            m_PressStamp = mouse->timestamp();
            OfflineAction::End();
        }
        m_Held = mouse->buttons();
        break;
    }
    case QEvent::MouseButtonRelease:
        m_Held = static_cast<QMouseEvent *>(event)->buttons();
        // Once the release has been handled: it belongs to the action.
        if (m_Held == Qt::NoButton && OfflineAction::Voided())
            QTimer::singleShot(0, this, &OfflineActionWatch::EndUnlessHeld);
        break;
    case QEvent::MouseMove:
        if (OfflineAction::Voided() && static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton)
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
