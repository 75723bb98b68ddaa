#pragma once
// Every new widget posts itself a polish request as it is made, so Qt
// polishes it on the next turn of the event loop, shown or not: a page made
// in one step is polished in one go right after that step, which for a large
// page holds up the event loop as long as making it did.
//
// Withdraw() takes those requests back for a widget and everything inside
// it. The widgets are then polished where something needs their style first
// (shown, measured, put into a scroll area or made the current page of a
// stack) or by an ensurePolished() the caller makes in a turn of its own.

class QWidget;

namespace PolishLater {

void Withdraw(QWidget *root);

} // namespace PolishLater
