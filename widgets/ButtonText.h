#pragma once
// QAbstractButton::setText replaces the button's shortcut with the mnemonic of
// the new text, so a button that answers a fixed key (Return, Space) would
// lose it at the first language change. Such buttons change their text here.

#include <QAbstractButton>
#include <QKeySequence>
#include <QString>

inline void SetTextKeepShortcut(QAbstractButton *button, const QString &text)
{
    const QKeySequence shortcut = button->shortcut();
    button->setText(text);
    button->setShortcut(shortcut);
}
