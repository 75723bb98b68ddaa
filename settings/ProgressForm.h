#pragma once
// Form of the firmware progress dialog: the message, the progress bar, the
// close button and the answer button.

#include "DialogSkeleton.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QToolButton>

class Ui_Progress
{
public:
    QFrame *AddDelayTimeA;
    QLabel *label;
    QToolButton *CloseButton;
    QToolButton *NewHong;
    QProgressBar *progressBar_2;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("Progress"), QSize(300, 140));
        AddDelayTimeA = SkeletonForm::Frame(dialog, QStringLiteral("AddDelayTimeA"), QRect(0, 0, 300, 140));
        AddDelayTimeA->setFixedSize(300, 140);
        label = SkeletonForm::Label(AddDelayTimeA, QStringLiteral("label"), QRect(10, 15, 281, 51));
        CloseButton = SkeletonForm::CloseButton(AddDelayTimeA, QPoint(275, 5));
        CloseButton->setFocusPolicy(Qt::NoFocus);
        NewHong = SkeletonForm::AnswerButton(AddDelayTimeA, QStringLiteral("NewHong"), QRect(110, 110, 90, 24));
        NewHong->setFocusPolicy(Qt::NoFocus);
        progressBar_2 = new QProgressBar(AddDelayTimeA);
        progressBar_2->setObjectName(QStringLiteral("progressBar_2"));
        progressBar_2->setGeometry(QRect(30, 70, 241, 26));
        progressBar_2->setRange(0, 100);
        progressBar_2->setValue(0);
        progressBar_2->setFormat(QString());
        progressBar_2->setStyleSheet(
            QStringLiteral("QProgressBar{border: 2px solid grey; border-radius: 5px; background-color: transparent;"
                           " color: rgb(255, 255, 255); text-align: center;}"
                           "QProgressBar::chunk{background-color: rgb(80, 240, 0); width: 20px;}"));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("Progress", "Please enter the delay time"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};
