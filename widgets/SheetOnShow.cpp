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

    void Apply()
    {
        parent()->removeEventFilter(this);
        setObjectName(QString()); // later sheets of this trigger are set at once
        for (const Pending &pending : m_Sheets) {
            if (pending.widget)
                pending.widget->setStyleSheet(pending.sheet);
        }
        m_Sheets.clear();
        deleteLater();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            Apply();
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

PendingSheets *PendingOf(QWidget *trigger)
{
    for (QObject *child : trigger->children()) {
        if (child->objectName() == QLatin1String("SheetOnShow")) {
            if (auto *pending = dynamic_cast<PendingSheets *>(child))
                return pending;
        }
    }
    return nullptr;
}

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
    PendingSheets *pending = PendingOf(trigger);
    if (!pending)
        pending = new PendingSheets(trigger);
    pending->Add(widget, sheet);
}

void ApplyNow(QWidget *root)
{
    const QList<QObject *> found = root->findChildren<QObject *>(QStringLiteral("SheetOnShow"));
    for (QObject *child : found) {
        if (auto *pending = dynamic_cast<PendingSheets *>(child))
            pending->Apply();
    }
}

} // namespace SheetOnShow
