#include "OptionWidget.h"

#include "GlobalState.h"
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
