#pragma once
// Form of the debounce-time selector: one combo box "Debunce" of 21 items,
// 0 to 20 ms.

#include "MyConmboBox.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMetaObject>

class Ui_DebounceTime
{
public:
    MyConmboBox *Debunce = nullptr;

    void setupUi(QFrame *DebounceTime)
    {
        if (DebounceTime->objectName().isEmpty())
            DebounceTime->setObjectName(QString::fromUtf8("DebounceTime"));
        DebounceTime->resize(164, 37);
        DebounceTime->setFrameShape(QFrame::StyledPanel);
        DebounceTime->setFrameShadow(QFrame::Raised);

        Debunce = new MyConmboBox(DebounceTime);
        for (int i = 0; i < 21; ++i)
            Debunce->addItem(QString());
        Debunce->setObjectName(QString::fromUtf8("Debunce"));
        Debunce->setGeometry(QRect(0, 0, 141, 34));
        Debunce->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        Debunce->setMinimumSize(QSize(131, 34));
        Debunce->setMaximumSize(QSize(220, 34));
        Debunce->setFont(Skin::Font(11));
        Debunce->setFocusPolicy(Qt::NoFocus);

        retranslateUi(DebounceTime);
        QMetaObject::connectSlotsByName(DebounceTime);
    }

    void retranslateUi(QFrame *DebounceTime)
    {
        DebounceTime->setWindowTitle(QCoreApplication::translate("DebounceTime", "Frame"));
        static const char *const texts[21] = {"0",  "1ms", "2ms", "3",  "4",  "5",  "6",  "7",  "8",  "9", "10",
                                              "11", "12",  "13",  "14", "15", "16", "17", "18", "19", "20"};
        for (int i = 0; i < 21; ++i)
            Debunce->setItemText(i, QCoreApplication::translate("DebounceTime", texts[i]));
    }
};
