#pragma once
// Forms of the two sleep-time selectors: the combo box of StopCloseTime and
// the slider with its number box of StopCloseTimeB.

#include <QCoreApplication>
#include <QFrame>
#include <QMetaObject>
#include <QSlider>
#include <QSpinBox>

#include "MyConmboBox.h"
#include "Skin.h"

class Ui_StopCloseTime
{
public:
    MyConmboBox *StopClose = nullptr;

    void setupUi(QFrame *StopCloseTime)
    {
        // The lighting page's form renames its instance "frameClose" afterwards.
        if (StopCloseTime->objectName().isEmpty())
            StopCloseTime->setObjectName(QString::fromUtf8("StopCloseTime"));
        StopCloseTime->resize(145, 34);
        StopCloseTime->setFrameShape(QFrame::StyledPanel);
        StopCloseTime->setFrameShadow(QFrame::Raised);

        StopClose = new MyConmboBox(StopCloseTime);
        StopClose->setObjectName(QString::fromUtf8("StopClose"));
        StopClose->setGeometry(0, 0, 141, 34);
        StopClose->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        StopClose->setMinimumSize(131, 34);
        StopClose->setMaximumSize(220, 34);
        StopClose->setFont(Skin::Font(11));
        StopClose->setFocusPolicy(Qt::NoFocus);
        StopClose->setStyleSheet(QString());

        retranslateUi(StopCloseTime);
        QMetaObject::connectSlotsByName(StopCloseTime);
    }

    void retranslateUi(QFrame *StopCloseTime)
    {
        StopCloseTime->setWindowTitle(QCoreApplication::translate("StopCloseTime", "Frame"));
        StopClose->clear();
        for (const char *text :
             {"10秒", "30秒", "1分钟", "5分钟", "10分钟", "15分钟", "20分钟", "25分钟", "30分钟", "35分钟", "40分钟"})
            StopClose->addItem(QCoreApplication::translate("StopCloseTime", text));
    }
};

class Ui_StopCloseTimeB
{
public:
    QSlider *StopClose = nullptr;
    QSpinBox *spinBoxA = nullptr;

    void setupUi(QFrame *StopCloseTimeB)
    {
        if (StopCloseTimeB->objectName().isEmpty())
            StopCloseTimeB->setObjectName(QString::fromUtf8("StopCloseTimeB"));
        StopCloseTimeB->resize(277, 28);
        StopCloseTimeB->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        StopCloseTimeB->setFrameShape(QFrame::StyledPanel);
        StopCloseTimeB->setFrameShadow(QFrame::Raised);

        StopClose = new QSlider(StopCloseTimeB);
        StopClose->setObjectName(QString::fromUtf8("StopClose"));
        StopClose->setGeometry(0, 5, 201, 20);
        StopClose->setOrientation(Qt::Horizontal);
        StopClose->setMinimum(1);
        StopClose->setMaximum(11);
        StopClose->setValue(1);
        StopClose->setPageStep(1);
        StopClose->setTracking(false);
        StopClose->setFocusPolicy(Qt::NoFocus);

        spinBoxA = new QSpinBox(StopCloseTimeB);
        spinBoxA->setObjectName(QString::fromUtf8("spinBoxA"));
        spinBoxA->setGeometry(205, 5, 66, 20);
        spinBoxA->setFont(Skin::Font(10));
        spinBoxA->setFocusPolicy(Qt::NoFocus);
        spinBoxA->setAlignment(Qt::AlignCenter);
        spinBoxA->setReadOnly(true);
        spinBoxA->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spinBoxA->setWrapping(false);
        spinBoxA->setAccelerated(false);
        spinBoxA->setMinimum(1);
        spinBoxA->setMaximum(100);
        spinBoxA->setValue(1);
        spinBoxA->setStyleSheet(QString::fromUtf8(
            "QSpinBox{background-color: transparent;color: rgb(255, 255, 255);border: 1px solid gray;}"
            "QSpinBox:hover{background-color: transparent;color: rgb(255, 255, 255);border: 1px solid gray;}"));

        retranslateUi(StopCloseTimeB);
        QMetaObject::connectSlotsByName(StopCloseTimeB);
    }

    void retranslateUi(QFrame *StopCloseTimeB)
    {
        StopCloseTimeB->setWindowTitle(QCoreApplication::translate("StopCloseTimeB", "Frame"));
        spinBoxA->setSuffix(QString());
    }
};
