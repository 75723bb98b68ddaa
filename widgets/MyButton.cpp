#include "MyButton.h"

#include <QCursor>

MyButton::MyButton(QWidget *parent)
    : QPushButton(parent)
{
}

MyButton::~MyButton() = default;

void MyButton::enterEvent(QEvent *)
{
    setCursor(QCursor(Qt::PointingHandCursor));
}

void MyButton::leaveEvent(QEvent *)
{
    setCursor(QCursor(Qt::ArrowCursor));
}
