#pragma once
// Form of the report-rate widget: a caption and six checkable rate buttons,
// 125 Hz to 4000 Hz, 100 pixels apart.

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QToolButton>

class Ui_SensorRate
{
public:
    QLabel *label = nullptr;
    QToolButton *Button125HZ = nullptr;
    QToolButton *Button250HZ = nullptr;
    QToolButton *Button500HZ = nullptr;
    QToolButton *Button1000HZ = nullptr;
    QToolButton *Button2000HZ = nullptr;
    QToolButton *Button4000HZ = nullptr;

    // The six buttons in rate order.
    QToolButton *Button(int index) const
    {
        QToolButton *const all[6] = {Button125HZ, Button250HZ, Button500HZ, Button1000HZ, Button2000HZ, Button4000HZ};
        return (index >= 0 && index < 6) ? all[index] : nullptr;
    }

    void setupUi(QFrame *SensorRate)
    {
        if (SensorRate->objectName().isEmpty())
            SensorRate->setObjectName(QString::fromUtf8("SensorRate"));
        SensorRate->resize(587, 82);
        SensorRate->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        SensorRate->setFrameShape(QFrame::StyledPanel);
        SensorRate->setFrameShadow(QFrame::Raised);

        label = new QLabel(SensorRate);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(0, 0, 161, 31));
        label->setFont(Skin::Font(11));
        label->setFocusPolicy(Qt::NoFocus);

        static const char *const names[6] = {"Button125HZ",  "Button250HZ",  "Button500HZ",
                                             "Button1000HZ", "Button2000HZ", "Button4000HZ"};
        QToolButton **fields[6] = {&Button125HZ,  &Button250HZ,  &Button500HZ,
                                   &Button1000HZ, &Button2000HZ, &Button4000HZ};
        QFont font = Skin::Font(10);
        font.setBold(false);
        font.setWeight(QFont::Normal);
        for (int i = 0; i < 6; ++i) {
            QToolButton *b = new QToolButton(SensorRate);
            b->setObjectName(QString::fromUtf8(names[i]));
            b->setGeometry(QRect(100 * i, 51, 74, 26));
            b->setMinimumSize(QSize(74, 26));
            b->setMaximumSize(QSize(74, 26));
            b->setFont(font);
            b->setFocusPolicy(Qt::NoFocus);
            b->setCheckable(true);
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
            b->setAutoRaise(true);
            *fields[i] = b;
        }

        retranslateUi(SensorRate);
        QMetaObject::connectSlotsByName(SensorRate);
    }

    void retranslateUi(QFrame *SensorRate)
    {
        SensorRate->setWindowTitle(QCoreApplication::translate("SensorRate", "Frame"));
        label->setText(QCoreApplication::translate("SensorRate", "回报率"));
        static const char *const texts[6] = {"125Hz", "250Hz", "500Hz", "1000Hz", "2000Hz", "4000Hz"};
        for (int i = 0; i < 6; ++i)
            Button(i)->setText(QCoreApplication::translate("SensorRate", texts[i]));
    }
};
