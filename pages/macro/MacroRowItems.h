#pragma once
// How a row of the macro page looks: the items the row operations, the file
// reader and the other producers of rows make.

#include <QListWidgetItem>
#include <QString>

namespace MacroRowItems {

// An event row (press: item type 0, "MacroDown.png"; release: type 1,
// "MacroUp.png"). kind < 0 leaves the row without a kind and code.
QListWidgetItem *EventRow(const QString &folder, const QString &name, bool press, int kind, int code);
// An event row whose kind and code are those of its name in the vocabulary.
QListWidgetItem *NamedEventRow(const QString &folder, const QString &name, bool press);
// A delay row ("MacroTime.png", type 0) with the given text.
QListWidgetItem *DelayRow(const QString &folder, const QString &text);
// Milliseconds without decimals + "ms": 12.0 gives "12ms".
QString DelayText(double ms);
// A row whose text contains "ms" is a delay row.
bool IsDelayRow(const QListWidgetItem *item);

} // namespace MacroRowItems
