#pragma once
// Form of the three on/off switches of the sensor page (ripple control,
// angle snapping, motion sync): a checkable switch button "<Name>_2" and its
// caption "label". The three forms differ only in their names and caption.

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_SensorSwitch
{
public:
    QToolButton *button = nullptr;
    QLabel *label = nullptr;

    // Builds the children; the widget connects its slots by name afterwards,
    // once its own meta-object is in place.
    void setupUi(QFrame *frame, const char *frameName, const char *caption)
    {
        if (frame->objectName().isEmpty())
            frame->setObjectName(QString::fromUtf8(frameName));
        frame->resize(204, 31);
        frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);

        button = new QToolButton(frame);
        button->setObjectName(QString::fromUtf8(frameName) + "_2");
        button->setGeometry(QRect(0, 0, 36, 18));
        button->setMinimumSize(QSize(36, 18));
        button->setMaximumSize(QSize(36, 18));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCheckable(true);
        button->setAutoRaise(false);

        label = new QLabel(frame);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(40, 0, 161, 31));
        label->setFont(Skin::Font(11));
        label->setFocusPolicy(Qt::NoFocus);
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);

        frame->setWindowTitle(QCoreApplication::translate(frameName, "Frame"));
        label->setText(QCoreApplication::translate(frameName, caption));
    }
};
