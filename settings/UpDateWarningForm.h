#pragma once
// Form of the update warning: a fixed 300 x 140 frame with the message, the
// close button and the answer button.

#include "DialogSkeleton.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QToolButton>

class Ui_UpDateWarning
{
public:
    QFrame *WarningFrame;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("UpDateWarning"), QSize(300, 140));
        WarningFrame = SkeletonForm::Frame(dialog, QStringLiteral("WarningFrame"), QRect(0, 0, 300, 140));
        WarningFrame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        CloseButton = SkeletonForm::CloseButton(WarningFrame, QPoint(275, 5));
        label = SkeletonForm::Label(WarningFrame, QStringLiteral("label"), QRect(5, 30, 291, 71));
        NewHong = SkeletonForm::AnswerButton(WarningFrame, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("UpDateWarning", "Confirm Delete"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};
