#include "OptionWidget.h"

#include "GlobalState.h"
#include "PostMsg.h"
#include "UserPaths.h"

OptionWidget::OptionWidget(FieldSetter setter, QWidget *parent)
    : QFrame(parent)
    , pictureDir(PictureFolder())
    , m_Setter(setter)
{
}

OptionWidget::~OptionWidget() = default;

QString OptionWidget::PictureFolder()
{
    return UserPaths::pictureFolder() + QStringLiteral("Sensor/");
}

bool OptionWidget::SendSwitch(bool checked)
{
    return SendClick(checked ? 1 : 0);
}

bool OptionWidget::SendClick(int value)
{
    if (!g_UiReady)
        return false;
    return m_Setter(value);
}

bool OptionWidget::SendChange(int value)
{
    if (g_SensorUiFilling)
        return false;
    return SendClick(value);
}

bool OptionWidget::SendRate(bool checked, int index)
{
    static constexpr int kCodes[] = {8, 4, 2, 1, 16, 32};
    if (!checked || index < 0 || index > 5 || !SendClick(kCodes[index]))
        return false;
    PostMsg::GetInstance()->EmitHideModel(index >= 4 ? 1 : 0);
    return true;
}

QString OptionWidget::SwitchSheet(const QString &objectName) const
{
    return "#" + objectName
        + "{color: rgb(255, 255, 255);border:0px;background-position:center;"
          "background-repeat:no-repeat;background-image: url("
        + pictureDir + "Close.png" + ");}#" + objectName + ":checked {background-image: url(" + pictureDir + "Open.png"
        + ");}";
}
