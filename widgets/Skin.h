#pragma once
// Skin helpers shared by the windows: the colours of Config.ini group
// "Option" as the "r,g,b" text the style sheets take, and the interface font.

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace Skin {

// Where the colours come from: the stored item list of a colour key of
// Config.ini group "Option". The application sets it once at start-up, before
// the first window; the widgets never read the configuration store
// themselves. Unset, every key gives its default.
using ColourSource = std::function<QStringList(const QString &key)>;
void SetColourSource(ColourSource source);

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

// The sheet of a tool button drawn by three pictures of folder (ending with
// "/"): normal, under the mouse, pressed; centred, not repeated, no border.
// The window buttons (close, minimise) and the main frame's tool buttons use it.
QString ImageButtonSheet(const QString &folder, const QString &normal, const QString &hover, const QString &pressed);

// The interface font at the given point size. The forms name the Windows
// face "微软雅黑"; where it is not installed, the font substitution maps it to
// an installed face that covers Latin, Cyrillic, Chinese, Korean and Japanese.
QFont Font(int pointSize);

// Corner radius of the small dialogs' and the pairing dialog's background
// pictures.
constexpr qreal DialogCornerRadius = 6.0;
constexpr qreal PairingCornerRadius = 10.0;

// Cuts a frameless window to the rounded shape of its background picture and
// keeps the cut in step with its size (and with the compositor: checked at
// each show). Without a compositor a translucent window shows black where the
// picture is transparent, and an opaque one always shows its window grey
// there; the mask makes the corners really empty.
void MaskRoundedCorners(QWidget *window, qreal radius);

// The tray menu's style sheet and the tool tips' colours, from the skin, so
// neither shows the desktop's light default on the dark windows.
QString MenuSheet();
void ApplyToolTipLook();

} // namespace Skin
