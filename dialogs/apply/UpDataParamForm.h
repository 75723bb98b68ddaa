#pragma once
// Form of the apply-and-wait dialog: a fixed frame with the wait message.

#include "Skin.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>

class Ui_UpDataParam
{
public:
    QFrame *UpDataParamA = nullptr;
    QLabel *label = nullptr;

    void setupUi(QDialog *dialog)
    {
        if (dialog->objectName().isEmpty())
            dialog->setObjectName(QStringLiteral("UpDataParam"));
        dialog->resize(300, 140);
        UpDataParamA = new QFrame(dialog);
        UpDataParamA->setObjectName(QStringLiteral("UpDataParamA"));
        UpDataParamA->setGeometry(QRect(0, 0, 300, 140));
        UpDataParamA->setFixedSize(300, 140);
        UpDataParamA->setFrameShape(QFrame::StyledPanel);
        UpDataParamA->setFrameShadow(QFrame::Raised);
        label = new QLabel(UpDataParamA);
        label->setObjectName(QStringLiteral("label"));
        label->setGeometry(QRect(0, 30, 301, 61));
        label->setFont(Skin::Font(11));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *dialog)
    {
        dialog->setWindowTitle(QStringLiteral("Dialog"));
        label->setText(QCoreApplication::translate("UpDataParam", "Please wait, we are updating the setting"));
    }
};
