#include "LightSkin.h"

#include "Skin.h"
#include "UserPaths.h"

#include <QComboBox>
#include <QListView>

namespace LightSkin {

QString LightFolder()
{
    return UserPaths::pictureFolder() + QStringLiteral("Light/");
}

QString SensorFolder()
{
    return UserPaths::pictureFolder() + QStringLiteral("Sensor/");
}

void ApplyCombo(QComboBox *combo, const QString &folder)
{
    combo->setStyleSheet(Skin::ComboSheet(folder, false));
    auto *view = new QListView;
    view->setStyleSheet(Skin::ComboListSheet());
    combo->setMaxVisibleItems(5);
    combo->setView(view); // the combo takes the view over and deletes it
}

QString SliderSheet(const QString &folder, int grooveRadius)
{
    return QStringLiteral("QSlider:groove:horizontal{height:2px;left: 0px;right: 0px;border:0px;border-radius:")
        + QString::number(grooveRadius)
        + QStringLiteral("px;background:rgba(0,0,0,50);}QSlider:handle:horizontal{ width:  5px;height: 50px;  "
                         "margin-top: -20px;margin-left: 0px; margin-bottom: -20px;margin-right: 0px; "
                         "border-image: url(")
        + folder + QStringLiteral("HuaKuai.png")
        + QStringLiteral(");} QSlider:sub-page:horizontal{background-color: rgb(")
        + Skin::Rgb(QStringLiteral("SliderColor"))
        + QStringLiteral(";);}QSlider:add-page:horizontal{background-color: rgb(255, 255, 255);}");
}

QString CheckBoxSheet(const QString &folder)
{
    return "QCheckBox{color: rgb(" + Skin::Rgb(QStringLiteral("LabelColor"))
        + ";);}QCheckBox:indicator::checked {image: url(" + folder + "LODCheck.png"
        + ");}QCheckBox::indicator::unchecked {image: url(" + folder + "LOD.png" + ");}";
}

QString EntryBoxSheet(const QString &background)
{
    const QString colour = Skin::Rgb(QStringLiteral("LinEditColorSecond"));
    return QStringLiteral("QSpinBox{background-color: ") + background + QStringLiteral(";color: rgb(") + colour
        + QStringLiteral(";);border: 1px  solid gray;}QSpinBox:hover{background-color: transparent;color: rgb(")
        + colour + QStringLiteral(";);border: 1px  solid gray;}");
}

} // namespace LightSkin
