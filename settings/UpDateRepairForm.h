#pragma once
// Form of the firmware repair dialog: the message, the read-only percentage
// box, the close button and the answer button.

#include "DialogSkeleton.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QSpinBox>
#include <QToolButton>

class Ui_UpDateRepair
{
public:
    QFrame *AutoRepair;
    QToolButton *CloseButton;
    QToolButton *NewHong;
    QSpinBox *spinBox;
    QLabel *ToolText;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("UpDateRepair"), QSize(300, 140));
        AutoRepair = SkeletonForm::Frame(dialog, QStringLiteral("AutoRepair"), QRect(0, 0, 301, 140));
        CloseButton = SkeletonForm::CloseButton(AutoRepair, QPoint(275, 5));
        CloseButton->setFocusPolicy(Qt::NoFocus);
        NewHong = SkeletonForm::AnswerButton(AutoRepair, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        NewHong->setFocusPolicy(Qt::NoFocus);
        spinBox = new QSpinBox(AutoRepair);
        spinBox->setObjectName(QStringLiteral("spinBox"));
        spinBox->setGeometry(QRect(135, 80, 41, 22));
        spinBox->setFont(Skin::Font(11));
        spinBox->setFocusPolicy(Qt::NoFocus);
        spinBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spinBox->setRange(0, 100);
        spinBox->setSuffix(QStringLiteral("%"));
        spinBox->setReadOnly(true);
        ToolText = SkeletonForm::Label(AutoRepair, QStringLiteral("ToolText"), QRect(0, 25, 301, 51));
        ToolText->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        NewHong->setText(QString::fromUtf8("确定"));
        ToolText->setText(QCoreApplication::translate("UpDateRepair", "Macro Key reached the Max limit"));
    }
};
