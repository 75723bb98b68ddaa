#include "PolishLater.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace PolishLater {

void Withdraw(QWidget *root)
{
    QCoreApplication::removePostedEvents(root, QEvent::PolishRequest);
    const QList<QWidget *> inside = root->findChildren<QWidget *>();
    for (QWidget *widget : inside)
        QCoreApplication::removePostedEvents(widget, QEvent::PolishRequest);
}

} // namespace PolishLater
