#pragma once
// Form of the pairing window: the instruction text, the hidden wireless-mode
// note, the two step markers, the close button and the start button.

#include "ButtonText.h"
#include "DialogSkeleton.h"
#include "Skin.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

class Ui_Match
{
public:
    QFrame *MatchA;
    QToolButton *toolButton_2;
    QToolButton *CloseButton;
    QPushButton *MatchButton;
    QTextEdit *textEdit;
    QLabel *label;
    QToolButton *toolButton_3;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("Match"), QSize(458, 242));
        dialog->setMinimumSize(458, 242);
        dialog->setMaximumSize(458, 242);

        MatchA = SkeletonForm::Frame(dialog, QStringLiteral("MatchA"), QRect(0, 0, 458, 242));
        MatchA->setFixedSize(458, 242);

        QFont arial(QStringLiteral("Arial"));
        arial.setPointSize(11);

        toolButton_2 = new QToolButton(MatchA);
        toolButton_2->setObjectName(QStringLiteral("toolButton_2"));
        toolButton_2->setGeometry(QRect(80, 50, 14, 14));
        toolButton_2->setEnabled(false);
        toolButton_2->setFocusPolicy(Qt::NoFocus);
        toolButton_2->setAutoRaise(true);
        toolButton_2->setFont(arial);

        CloseButton = new QToolButton(MatchA);
        CloseButton->setObjectName(QStringLiteral("CloseButton"));
        CloseButton->setGeometry(QRect(435, 20, 14, 14));
        CloseButton->setFocusPolicy(Qt::NoFocus);
        CloseButton->setIconSize(QSize(30, 30));
        CloseButton->setAutoRaise(true);

        MatchButton = new QPushButton(MatchA);
        MatchButton->setObjectName(QStringLiteral("MatchButton"));
        MatchButton->setGeometry(QRect(150, 195, 154, 32));
        MatchButton->setFixedSize(154, 32);
        MatchButton->setFocusPolicy(Qt::TabFocus);
        MatchButton->setFont(Skin::Font(11));

        textEdit = new QTextEdit(MatchA);
        textEdit->setObjectName(QStringLiteral("textEdit"));
        textEdit->setGeometry(QRect(105, 40, 271, 151));
        textEdit->setEnabled(false);
        textEdit->setReadOnly(true);
        textEdit->setFocusPolicy(Qt::NoFocus);
        textEdit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        QFont textFont = Skin::Font(11);
        textFont.setBold(false);
        textEdit->setFont(textFont);

        label = new QLabel(MatchA);
        label->setObjectName(QStringLiteral("label"));
        label->setGeometry(QRect(105, 50, 241, 16));
        label->setFont(Skin::Font(10));
        label->hide();

        toolButton_3 = new QToolButton(MatchA);
        toolButton_3->setObjectName(QStringLiteral("toolButton_3"));
        toolButton_3->setGeometry(QRect(80, 180, 18, 18));
        toolButton_3->setEnabled(false);
        toolButton_3->setFocusPolicy(Qt::NoFocus);
        toolButton_3->setAutoRaise(true);
        toolButton_3->setFont(arial);

        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        SetTextKeepShortcut(MatchButton, QString::fromUtf8("开始配对"));
        textEdit->setHtml(QString::fromUtf8(
            "<p style=\"font-size:10pt;\">Hold the left, middle and right buttons together for 3 seconds "
            "until the pairing light blinks fast, bring the mouse close to the receiver, then click the "
            "start button or press the space bar.</p>"));
        label->setText(QString::fromUtf8("无线模式下,才能进入配对"));
        toolButton_2->setText(QString());
        toolButton_3->setText(QString());
        CloseButton->setText(QString());
    }
};
