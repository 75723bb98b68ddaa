#include "MySlider.h"

#include <QCoreApplication>
#include <QMouseEvent>

MySlider::MySlider(QWidget *parent)
    : QSlider(parent)
{
}

MySlider::~MySlider() = default;

int MySlider::ValueAt(int x, int width, int minimum, int maximum)
{
    // A slider that has not been laid out yet has no width to divide by.
    if (width <= 0)
        return minimum;
    const double value = minimum + (double(maximum) - double(minimum)) * (double(x) / double(width));
    // Clamp before converting: a far-off position must not overflow the int.
    const double low = qMin(double(minimum), double(maximum));
    const double high = qMax(double(minimum), double(maximum));
    return int(qBound(low, value, high));
}

void MySlider::mousePressEvent(QMouseEvent *event)
{
    QSlider::mousePressEvent(event);
    setValue(ValueAt(event->pos().x(), width(), minimum(), maximum()));
    if (QWidget *parent = parentWidget()) {
        QEvent clicked{static_cast<QEvent::Type>(ClickEventType)};
        QCoreApplication::sendEvent(parent, &clicked);
    }
}
