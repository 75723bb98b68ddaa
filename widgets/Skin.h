#pragma once
// Skin helpers shared by the windows: the colours of Config.ini group
// "Option" as the "r,g,b" text the style sheets take, and the interface font.

#include <QFont>
#include <QString>

namespace Skin {

// "r,g,b" of a colour key of Config.ini group "Option" ("LabelColor",
// "ButtonColor", "SliderColor", "ComboxTextColor", "ComboxSelectColor",
// "ComboxBackGroundColor", "LinEditColor", "LinEditColorSecond"): the first
// three items of the stored list joined with commas. A key that is missing or
// holds fewer than three items gives the skin's default for that key, so a
// style sheet never refers to an item that is not there.
QString Rgb(const QString &key);

// The default "r,g,b" of a colour key (white for unknown keys).
QString DefaultRgb(const QString &key);

// The combo-box sheet of the skin: text colour "ComboxTextColor", arrow
// button "ComboxBackGroundColor", selection "ComboxSelectColor", pictures
// "ComboboxBack.png", "Menu.png", "MenuClicked.png" and "ComboboxTextBack.png"
// of picturePath (ending with "/"). With disabledRule the sheet ends with the
// rule that draws a disabled box's text black.
QString ComboSheet(const QString &picturePath, bool disabledRule);
// The sheet of a combo box's pop-up list view (selection colour on hover).
QString ComboListSheet();

// The interface font at the given point size. The forms name the Windows
// face "微软雅黑"; where it is not installed, the font substitution maps it to
// an installed face that covers Latin, Cyrillic, Chinese, Korean and Japanese.
QFont Font(int pointSize);

} // namespace Skin
