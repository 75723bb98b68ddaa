#pragma once
// Form of the DPI bar: the caption, the level-count combo, the DPI slider
// with its read-only number box and step buttons, eight level value buttons
// 91 pixels apart with a colour marker under each, and the level indicator.

#include "MyConmboBox.h"
#include "MySlider.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QSpinBox>
#include <QToolButton>

class Ui_SensorDPI
{
public:
    QLabel *label = nullptr;
    MyConmboBox *ChooseEvent = nullptr;
    MySlider *horizontalSliderC = nullptr;
    QSpinBox *spinBoxA = nullptr;
    QToolButton *BlueButton = nullptr;
    QToolButton *BlueButtonA = nullptr;
    QToolButton *BrightRedButton = nullptr;
    QToolButton *BrightRedButtonA = nullptr;
    QToolButton *RedButton = nullptr;
    QToolButton *RedButtonA = nullptr;
    QToolButton *YellowButton = nullptr;
    QToolButton *YellowButtonA = nullptr;
    QToolButton *GreenButton = nullptr;
    QToolButton *GreenButtonA = nullptr;
    QToolButton *PurpleButton = nullptr;
    QToolButton *PurpleButtonA = nullptr;
    QToolButton *LightBlueButton = nullptr;
    QToolButton *LightBlueButtonA = nullptr;
    QToolButton *LightYellowButton = nullptr;
    QToolButton *LightYellowButtonA = nullptr;
    QLabel *label_8 = nullptr;
    QToolButton *ReduceLevelA = nullptr;
    QToolButton *AddLevelA = nullptr;

    // Value button and colour marker of level 0..7 (nullptr outside).
    QToolButton *LevelButton(int level) const
    {
        QToolButton *const all[8] = {BlueButton,  BrightRedButton, RedButton,       YellowButton,
                                     GreenButton, PurpleButton,    LightBlueButton, LightYellowButton};
        return (level >= 0 && level < 8) ? all[level] : nullptr;
    }
    QToolButton *Marker(int level) const
    {
        QToolButton *const all[8] = {BlueButtonA,  BrightRedButtonA, RedButtonA,       YellowButtonA,
                                     GreenButtonA, PurpleButtonA,    LightBlueButtonA, LightYellowButtonA};
        return (level >= 0 && level < 8) ? all[level] : nullptr;
    }

    void setupUi(QFrame *SensorDPI)
    {
        if (SensorDPI->objectName().isEmpty())
            SensorDPI->setObjectName(QString::fromUtf8("SensorDPI"));
        SensorDPI->resize(728, 194);
        SensorDPI->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        SensorDPI->setFrameShape(QFrame::StyledPanel);
        SensorDPI->setFrameShadow(QFrame::Raised);

        label = new QLabel(SensorDPI);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(17, 0, 71, 21));
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        label->setFont(Skin::Font(11));
        label->setFocusPolicy(Qt::NoFocus);
        label->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);

        ChooseEvent = new MyConmboBox(SensorDPI);
        ChooseEvent->setObjectName(QString::fromUtf8("ChooseEvent"));
        ChooseEvent->setGeometry(QRect(98, 1, 81, 21));
        ChooseEvent->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        ChooseEvent->setMinimumSize(QSize(0, 0));
        ChooseEvent->setFont(Skin::Font(10));
        ChooseEvent->setFocusPolicy(Qt::NoFocus);

        horizontalSliderC = new MySlider(SensorDPI);
        horizontalSliderC->setObjectName(QString::fromUtf8("horizontalSliderC"));
        horizontalSliderC->setGeometry(QRect(18, 56, 561, 20));
        horizontalSliderC->setFixedSize(561, 20);
        horizontalSliderC->setFocusPolicy(Qt::NoFocus);
        horizontalSliderC->setOrientation(Qt::Horizontal);
        horizontalSliderC->setMinimum(50);
        horizontalSliderC->setMaximum(32000);
        horizontalSliderC->setSingleStep(50);
        horizontalSliderC->setPageStep(50);
        horizontalSliderC->setValue(50);
        horizontalSliderC->setTracking(false);

        spinBoxA = new QSpinBox(SensorDPI);
        spinBoxA->setObjectName(QString::fromUtf8("spinBoxA"));
        spinBoxA->setGeometry(QRect(618, 56, 66, 20));
        spinBoxA->setFont(Skin::Font(10));
        spinBoxA->setFocusPolicy(Qt::NoFocus);
        spinBoxA->setStyleSheet(QString::fromUtf8(
            "QSpinBox{background-color: transparent;color: rgb(255, 255, 255);border: 1px solid gray;}"
            "QSpinBox:hover{background-color: transparent;color: rgb(255, 255, 255);border: 1px solid gray;}"));
        spinBoxA->setReadOnly(true);
        spinBoxA->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spinBoxA->setWrapping(false);
        spinBoxA->setAccelerated(false);
        spinBoxA->setAlignment(Qt::AlignCenter);
        spinBoxA->setMinimum(50);
        spinBoxA->setMaximum(100000);

        static const char *const buttons[8] = {"BlueButton",      "BrightRedButton",  "RedButton",
                                               "YellowButton",    "GreenButton",      "PurpleButton",
                                               "LightBlueButton", "LightYellowButton"};
        QToolButton **fields[16] = {&BlueButton,      &BlueButtonA,      &BrightRedButton,   &BrightRedButtonA,
                                    &RedButton,       &RedButtonA,       &YellowButton,      &YellowButtonA,
                                    &GreenButton,     &GreenButtonA,     &PurpleButton,      &PurpleButtonA,
                                    &LightBlueButton, &LightBlueButtonA, &LightYellowButton, &LightYellowButtonA};
        for (int i = 0; i < 8; ++i) {
            const int pair = 2 * i;
            QToolButton *value = new QToolButton(SensorDPI);
            value->setObjectName(QString::fromUtf8(buttons[i]));
            value->setGeometry(QRect(15 + 91 * i, 99, 54, 56));
            value->setFont(Skin::Font(10));
            value->setFocusPolicy(Qt::NoFocus);
            value->setCheckable(true);
            value->setAutoRaise(true);
            *fields[pair] = value;

            QToolButton *marker = new QToolButton(SensorDPI);
            marker->setObjectName(QString::fromUtf8(buttons[i]) + "A");
            marker->setGeometry(QRect(17 + 91 * i, 141, 50, 12));
            marker->setFocusPolicy(Qt::NoFocus);
            marker->setCheckable(true);
            marker->setAutoRaise(false);
            *fields[pair + 1] = marker;
        }

        label_8 = new QLabel(SensorDPI);
        label_8->setObjectName(QString::fromUtf8("label_8"));
        label_8->setGeometry(QRect(103, 154, 30, 30));
        label_8->setFixedSize(30, 30);
        label_8->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        label_8->setFocusPolicy(Qt::NoFocus);

        ReduceLevelA = new QToolButton(SensorDPI);
        ReduceLevelA->setObjectName(QString::fromUtf8("ReduceLevelA"));
        ReduceLevelA->setGeometry(QRect(598, 64, 14, 4));
        ReduceLevelA->setMinimumSize(QSize(14, 4));
        ReduceLevelA->setFocusPolicy(Qt::NoFocus);
        ReduceLevelA->setAutoRaise(true);

        AddLevelA = new QToolButton(SensorDPI);
        AddLevelA->setObjectName(QString::fromUtf8("AddLevelA"));
        AddLevelA->setGeometry(QRect(691, 59, 14, 14));
        AddLevelA->setFixedSize(14, 14);
        AddLevelA->setFocusPolicy(Qt::NoFocus);
        AddLevelA->setAutoRaise(true);

        retranslateUi(SensorDPI);
        QMetaObject::connectSlotsByName(SensorDPI);
    }

    void retranslateUi(QFrame *SensorDPI)
    {
        SensorDPI->setWindowTitle(QCoreApplication::translate("SensorDPI", "Frame"));
        label->setText(QCoreApplication::translate("SensorDPI", "DPI级数"));
        static const char *const texts[8] = {"100", "200", "200", "100", "100", "200", "100", "200"};
        for (int i = 0; i < 8; ++i) {
            LevelButton(i)->setText(QCoreApplication::translate("SensorDPI", texts[i]));
            Marker(i)->setText(QString());
        }
        ReduceLevelA->setText(QCoreApplication::translate("SensorDPI", "..."));
        AddLevelA->setText(QString());
    }
};
