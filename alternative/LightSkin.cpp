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

QString ComboSheet(const QString &folder)
{
    const QString text = Skin::Rgb(QStringLiteral("ComboxTextColor"));
    return QStringLiteral("QComboBox{border: 1px solid gray; color: rgb(") + text
        + QStringLiteral("); border-image: url(") + folder + QStringLiteral("ComboboxBack.png")
        + QStringLiteral(");}QComboBox::drop-down:button{border-radius:5px; background:rgb(")
        + Skin::Rgb(QStringLiteral("ComboxBackGroundColor")) + QStringLiteral(");} QComboBox::down-arrow{image: url(")
        + folder + QStringLiteral("Menu.png") + QStringLiteral("); right: 8px; }QComboBox::down-arrow:on{ image: url(")
        + folder + QStringLiteral("MenuClicked.png")
        + QStringLiteral(");}QComboBox QAbstractItemView::item{height:25px;}QComboBox QAbstractItemView "
                         "{outline: 0px solid gray; border: 1px  solid gray;color: rgb(")
        + text + QStringLiteral("); border-image: url(") + folder + QStringLiteral("ComboboxTextBack.png")
        + QStringLiteral(");selection-background-color: rgb(") + Skin::Rgb(QStringLiteral("ComboxSelectColor"))
        + QStringLiteral("); }");
}

QString ListSheet()
{
    const QString select = Skin::Rgb(QStringLiteral("ComboxSelectColor"));
    return QStringLiteral("QListView::item:selected{background-color: rgb(") + select
        + QStringLiteral(");}QListView::item:hover{background-color: rgb(") + select + QStringLiteral(");}");
}

void ApplyCombo(QComboBox *combo, const QString &folder)
{
    combo->setStyleSheet(ComboSheet(folder));
    auto *view = new QListView;
    view->setStyleSheet(ListSheet());
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
