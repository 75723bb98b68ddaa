#include "SheetOnShow.h"

#include <QEvent>
#include <QPointer>
#include <QVector>
#include <QWidget>

namespace {

// Child of its trigger: holds the pending sheets and goes away once they are
// set, so a widget shown many times pays nothing after the first show.
class PendingSheets : public QObject
{
public:
    explicit PendingSheets(QWidget *trigger)
        : QObject(trigger)
    {
        setObjectName(QStringLiteral("SheetOnShow"));
        trigger->installEventFilter(this);
    }

    void Add(QWidget *widget, const QString &sheet) { m_Sheets.append({widget, sheet}); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            watched->removeEventFilter(this);
            setObjectName(QString()); // later sheets of this trigger are set at once
            for (const Pending &pending : m_Sheets) {
                if (pending.widget)
                    pending.widget->setStyleSheet(pending.sheet);
            }
            m_Sheets.clear();
            deleteLater();
        }
        return false;
    }

private:
    struct Pending
    {
        QPointer<QWidget> widget;
        QString sheet;
    };
    QVector<Pending> m_Sheets;
};

} // namespace

namespace SheetOnShow {

void Set(QWidget *widget, const QString &sheet, QWidget *trigger)
{
    if (!trigger)
        trigger = widget;
    if (trigger->isVisible()) {
        widget->setStyleSheet(sheet);
        return;
    }
    PendingSheets *pending = nullptr;
    for (QObject *child : trigger->children()) {
        if (child->objectName() == QLatin1String("SheetOnShow")) {
            pending = dynamic_cast<PendingSheets *>(child);
            if (pending)
                break;
        }
    }
    if (!pending)
        pending = new PendingSheets(trigger);
    pending->Add(widget, sheet);
}

} // namespace SheetOnShow
