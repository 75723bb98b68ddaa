#pragma once
// Form of SensorDPIB: the level-count caption and combo at the top right,
// then eight level rows 50 pixels apart, each a level toggle, a colour
// button, a DPI slider and its read-only number box.

#include "MyConmboBox.h"
#include "MySlider.h"
#include "Skin.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QSpinBox>
#include <QToolButton>

class Ui_SensorDPIB
{
public:
    QLabel *label = nullptr;
    MyConmboBox *ChooseEvent = nullptr;
    QCheckBox *Toggles[8] = {};
    QToolButton *ColorButtons[8] = {};
    MySlider *Sliders[8] = {};
    QSpinBox *ValueBoxes[8] = {};

    // The widgets of level 0..7 (nullptr outside).
    QCheckBox *Toggle(int level) const { return InRange(level) ? Toggles[level] : nullptr; }
    QToolButton *ColorButton(int level) const { return InRange(level) ? ColorButtons[level] : nullptr; }
    MySlider *Slider(int level) const { return InRange(level) ? Sliders[level] : nullptr; }
    QSpinBox *ValueBox(int level) const { return InRange(level) ? ValueBoxes[level] : nullptr; }

    // The colour buttons keep these names whatever colour their level has.
    static const char *ColorButtonName(int level)
    {
        static const char *const names[8] = {"BlueButtonA",      "BrightRedButtonA",  "RedButtonA",
                                             "YellowButtonA",    "GreenButtonA",      "PurpleButtonA",
                                             "LightBlueButtonA", "LightYellowButtonA"};
        return names[level];
    }

    void setupUi(QFrame *SensorDPIB)
    {
        if (SensorDPIB->objectName().isEmpty())
            SensorDPIB->setObjectName(QString::fromUtf8("SensorDPIB"));
        SensorDPIB->resize(725, 444);
        SensorDPIB->setFrameShape(QFrame::StyledPanel);
        SensorDPIB->setFrameShadow(QFrame::Raised);

        label = new QLabel(SensorDPIB);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(550, 10, 71, 21));
        label->setFont(Skin::Font(11));
        label->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));

        ChooseEvent = new MyConmboBox(SensorDPIB);
        ChooseEvent->setObjectName(QString::fromUtf8("ChooseEvent"));
        ChooseEvent->setGeometry(QRect(630, 10, 81, 21));
        ChooseEvent->setFont(Skin::Font(10));
        ChooseEvent->setFocusPolicy(Qt::NoFocus);

        for (int i = 0; i < 8; ++i) {
            const int y = 60 + 50 * i;
            const QString letter(QChar('A' + i));

            QCheckBox *toggle = new QCheckBox(SensorDPIB);
            toggle->setObjectName("M" + letter);
            toggle->setGeometry(QRect(10, y, 61, 20));
            toggle->setMinimumSize(QSize(20, 10));
            toggle->setFont(Skin::Font(11));
            toggle->setFocusPolicy(Qt::NoFocus);
            Toggles[i] = toggle;

            QToolButton *colour = new QToolButton(SensorDPIB);
            colour->setObjectName(QString::fromUtf8(ColorButtonName(i)));
            colour->setGeometry(QRect(80, y - 3, 25, 25));
            colour->setFocusPolicy(Qt::NoFocus);
            colour->setCheckable(true);
            colour->setAutoRaise(false);
            ColorButtons[i] = colour;

            MySlider *slider = new MySlider(SensorDPIB);
            slider->setObjectName("horizontalSlider" + letter);
            slider->setGeometry(QRect(120, y, 510, 20));
            slider->setFixedSize(510, 20);
            slider->setFocusPolicy(Qt::NoFocus);
            slider->setOrientation(Qt::Horizontal);
            slider->setRange(50, 10000);
            slider->setSingleStep(50);
            slider->setPageStep(50);
            slider->setValue(50);
            slider->setTracking(false);
            Sliders[i] = slider;

            QSpinBox *box = new QSpinBox(SensorDPIB);
            box->setObjectName("spinBox" + letter);
            box->setGeometry(QRect(643, y, 66, 21));
            box->setFont(Skin::Font(10));
            box->setFocusPolicy(Qt::NoFocus);
            box->setReadOnly(true);
            box->setButtonSymbols(QAbstractSpinBox::NoButtons);
            box->setAlignment(Qt::AlignCenter);
            box->setRange(50, 100000);
            ValueBoxes[i] = box;
        }

        retranslateUi(SensorDPIB);
        QMetaObject::connectSlotsByName(SensorDPIB);
    }

    void retranslateUi(QFrame *SensorDPIB)
    {
        SensorDPIB->setWindowTitle(QCoreApplication::translate("SensorDPIB", "Frame"));
        label->setText(QCoreApplication::translate("SensorDPIB", "DPI级数"));
        for (int i = 0; i < 8; ++i) {
            Toggles[i]->setText("DPI" + QString::number(i + 1));
            ColorButtons[i]->setText(QString());
        }
    }

private:
    static bool InRange(int level) { return level >= 0 && level < 8; }
};
