#include "EndElidedToolButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

EndElidedToolButton::EndElidedToolButton(QWidget *parent)
    : QToolButton(parent)
{
}

QString EndElidedToolButton::ShownText() const
{
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style draws the label inside the button's rectangle less its frame
    // on each side (style sheet padding included).
    const QRect button = style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return option.fontMetrics.elidedText(text(), Qt::ElideRight, qMax(0, button.width() - 2 * frame));
}

void EndElidedToolButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text = ShownText();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
