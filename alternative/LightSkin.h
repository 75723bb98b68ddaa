#pragma once
// Style sheets that the lighting page and the sleep-time selectors share.
// Colours come from Config.ini group "Option" through Skin::Rgb; folder is
// the widget's picture folder, ending with "/".

#include <QString>

class QComboBox;

namespace LightSkin {

// The picture folders of the lighting page and of the sensor page.
QString LightFolder();
QString SensorFolder();

// The combo box rule: face "ComboboxBack.png", arrow "Menu.png" /
// "MenuClicked.png", list "ComboboxTextBack.png", Combox* colours.
QString ComboSheet(const QString &folder);
// The rule of the combo's list view: selected and hovered rows.
QString ListSheet();
// Applies ComboSheet, a new list view with ListSheet (the combo owns it) and
// at most 5 visible rows.
void ApplyCombo(QComboBox *combo, const QString &folder);

// A level slider: 2 px groove with the given corner radius, handle
// "HuaKuai.png", the filled part in SliderColor.
QString SliderSheet(const QString &folder, int grooveRadius);

// A check box in LabelColor with the indicator "LODCheck.png" checked and
// "LOD.png" unchecked (the ...B option widgets' boxes and toggles).
QString CheckBoxSheet(const QString &folder);

// A number box with a 1 px gray frame in LinEditColorSecond; background is
// the idle background ("transparent", "rgb(0,0,0)"); hovered it is transparent.
QString EntryBoxSheet(const QString &background);

} // namespace LightSkin
