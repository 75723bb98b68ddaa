#pragma once
// The entry and key-capture dialogs put one entry widget (a line edit or a
// spin box) on the common message form, under a prompt that stands left and
// bottom; the entry widget comes first in the tab chain, before OK and Cancel.

#include "MessageDialog.h"

#include <QLabel>
#include <QToolButton>

namespace EntryForm {

// The 300 x 140 form of an entry dialog: the frame covers the dialog with a
// fixed size; the confirm button "NewHong" and the cancel button "NewHong_2"
// (90 x 24) stand at y 110.
inline MessageForm::Layout Layout(const QString &dialogName, const QString &frameName, const QRect &labelGeometry,
                                  const QString &labelText, int confirmX, int cancelX, const QString &confirmText)
{
    MessageForm::Layout layout =
        MessageForm::Notice(dialogName, frameName, labelGeometry, labelText,
                            {{QStringLiteral("NewHong"), QRect(confirmX, 110, 90, 24), confirmText},
                             {QStringLiteral("NewHong_2"), QRect(cancelX, 110, 90, 24), QString::fromUtf8("取消")}});
    layout.frameFixed = true;
    return layout;
}

template<class Entry>
Entry *AddEntry(MessageForm *form, const QString &name, const QRect &geometry)
{
    form->label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignBottom);
    auto *entry = new Entry(form->frame);
    entry->setObjectName(name);
    entry->setGeometry(geometry);
    QWidget *previous = entry;
    for (QToolButton *button : form->answerButtons) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    return entry;
}

} // namespace EntryForm
