#pragma once
// Picture style sheets of widgets that are hidden at start (the main frame
// behind the device list, a notice frame that may never be shown).
//
// A style sheet decodes its pictures as soon as the widget is polished, and
// showing a window polishes every child, hidden or not: setting these sheets
// in the constructors decoded megabytes of pictures nobody sees at start.
// Handing them to SheetOnShow instead sets each sheet the first time the
// trigger widget (the widget itself or the ancestor that is hidden) is shown,
// before it is painted, so it looks the same whenever it appears.

#include <QString>

class QWidget;

namespace SheetOnShow {

// Gives widget the style sheet the first time trigger is shown (at once when
// trigger is visible already). trigger is an ancestor of widget or widget
// itself; nullptr means widget.
void Set(QWidget *widget, const QString &sheet, QWidget *trigger = nullptr);

// Sets the sheets still waiting for the first show of root or of any widget
// inside it now, for a window that prepares its look ahead while the program
// is idle; later sheets for those triggers are then set at once. Nothing
// happens when none are waiting.
void ApplyNow(QWidget *root);

} // namespace SheetOnShow
