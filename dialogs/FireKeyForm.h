#pragma once
// Form of the fire-key dialog: the count and interval boxes with their labels,
// the hint and the confirm and cancel buttons.

#include "DialogSkeleton.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QSpinBox>
#include <QToolButton>

class Ui_FireKey
{
public:
    QFrame *FireKeyA;
    QToolButton *CloseButton;
    QLabel *label_2;
    QLabel *label;
    QSpinBox *Count;
    QSpinBox *Time;
    QLabel *label_3;
    QToolButton *NewHong;
    QToolButton *NewHong_2;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("FireKey"), QSize(406, 170));
        dialog->setMinimumSize(QSize(406, 170));
        dialog->setMaximumSize(QSize(406, 170));
        FireKeyA = SkeletonForm::Frame(dialog, QStringLiteral("FireKeyA"), QRect(0, 0, 406, 170));
        FireKeyA->setMinimumSize(QSize(406, 170));
        FireKeyA->setMaximumSize(QSize(406, 170));
        CloseButton = SkeletonForm::CloseButton(FireKeyA, QPoint(380, 5));
        label_2 = SkeletonForm::Label(FireKeyA, QStringLiteral("label_2"), QRect(250, 30, 121, 16));
        label_2->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        label_2->setWordWrap(false);
        label = SkeletonForm::Label(FireKeyA, QStringLiteral("label"), QRect(60, 30, 101, 16));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(false);
        Count = valueBox(FireKeyA, QStringLiteral("Count"), QRect(60, 50, 71, 27), 0, 3, 3);
        Time = valueBox(FireKeyA, QStringLiteral("Time"), QRect(255, 50, 81, 27), 10, 255, 10);
        label_3 = SkeletonForm::Label(FireKeyA, QStringLiteral("label_3"), QRect(0, 79, 401, 61));
        label_3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        NewHong = SkeletonForm::AnswerButton(FireKeyA, QStringLiteral("NewHong"), QRect(60, 137, 81, 24));
        NewHong_2 = SkeletonForm::AnswerButton(FireKeyA, QStringLiteral("NewHong_2"), QRect(260, 137, 81, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label_2->setText(QString::fromUtf8("间隔 (10-255)"));
        label->setText(QString::fromUtf8("次数 (0-3)"));
        label_3->setText(QString::fromUtf8("次数设置为0时, 按下按键一直发, 松开按键结束"));
        NewHong->setText(QString::fromUtf8("确认"));
        NewHong_2->setText(QString::fromUtf8("取消"));
    }

private:
    // The two number boxes share their look; only name, place and range differ.
    static QSpinBox *valueBox(QWidget *parent, const QString &name, const QRect &geometry, int minimum, int maximum,
                              int value)
    {
        auto *box = new QSpinBox(parent);
        box->setObjectName(name);
        box->setGeometry(geometry);
        box->setFont(QFont(QStringLiteral("Arial"), 12));
        box->setAlignment(Qt::AlignCenter);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setRange(minimum, maximum);
        box->setValue(value);
        return box;
    }
};
