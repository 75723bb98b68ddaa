#pragma once
// Form of the device list page: the fixed layout of the start page, with the
// object names the style sheets, the language file and the by-name slot
// connection rely on.

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QWidget>

#include "MyConmboBox.h"
#include "Skin.h"

class Ui_DialogChange
{
public:
    QFrame *frameChange = nullptr;
    QToolButton *MinButton = nullptr;
    QToolButton *CloseButton = nullptr;
    MyConmboBox *comboBox = nullptr;
    QLabel *label_2 = nullptr;
    QToolButton *LeftButton = nullptr;
    QToolButton *RightButton = nullptr;
    QPushButton *Repair = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QFrame *FindVer = nullptr;
    QToolButton *CloseButton_2 = nullptr;
    QToolButton *NewHong = nullptr;
    QLabel *FindVerlaebl = nullptr;
    QCheckBox *NoApear = nullptr;
    QLabel *label_3 = nullptr;

    // The page's face ("微软雅黑" where installed, else its substitute).
    static QFont pageFont(int pointSize) { return Skin::Font(pointSize); }

    void setupUi(QWidget *DialogChange)
    {
        if (DialogChange->objectName().isEmpty())
            DialogChange->setObjectName(QString::fromUtf8("DialogChange"));
        DialogChange->resize(1020, 700);
        DialogChange->setMinimumSize(1020, 700);
        DialogChange->setMaximumSize(1020, 700);
        DialogChange->setFont(pageFont(9));

        frameChange = new QFrame(DialogChange);
        frameChange->setObjectName(QString::fromUtf8("frameChange"));
        frameChange->setGeometry(0, 0, 1020, 700);
        frameChange->setFrameShape(QFrame::StyledPanel);
        frameChange->setFrameShadow(QFrame::Raised);

        MinButton = new QToolButton(frameChange);
        MinButton->setObjectName(QString::fromUtf8("MinButton"));
        MinButton->setGeometry(940, 10, 20, 20);
        MinButton->setFocusPolicy(Qt::NoFocus);
        MinButton->setAutoRaise(true);
        MinButton->setIconSize(QSize(30, 30));

        CloseButton = new QToolButton(frameChange);
        CloseButton->setObjectName(QString::fromUtf8("CloseButton"));
        CloseButton->setGeometry(980, 10, 20, 20);
        CloseButton->setFocusPolicy(Qt::NoFocus);
        CloseButton->setAutoRaise(true);
        CloseButton->setIconSize(QSize(30, 30));

        comboBox = new MyConmboBox(frameChange);
        comboBox->setObjectName(QString::fromUtf8("comboBox"));
        comboBox->setGeometry(790, 10, 142, 26);
        comboBox->setFont(pageFont(10));
        comboBox->setFocusPolicy(Qt::NoFocus);

        label_2 = new QLabel(frameChange);
        label_2->setObjectName(QString::fromUtf8("label_2"));
        label_2->setGeometry(0, 320, 1021, 121);
        label_2->setFont(pageFont(20));
        label_2->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));
        label_2->setAlignment(Qt::AlignCenter);
        label_2->setWordWrap(true);

        LeftButton = new QToolButton(frameChange);
        LeftButton->setObjectName(QString::fromUtf8("LeftButton"));
        LeftButton->setGeometry(10, 360, 46, 46);
        LeftButton->setFocusPolicy(Qt::NoFocus);

        RightButton = new QToolButton(frameChange);
        RightButton->setObjectName(QString::fromUtf8("RightButton"));
        RightButton->setGeometry(965, 360, 46, 46);
        RightButton->setFocusPolicy(Qt::NoFocus);

        Repair = new QPushButton(frameChange);
        Repair->setObjectName(QString::fromUtf8("Repair"));
        Repair->setGeometry(740, 8, 36, 33);
        Repair->setFocusPolicy(Qt::NoFocus);

        stackedWidget = new QStackedWidget(frameChange);
        stackedWidget->setObjectName(QString::fromUtf8("stackedWidget"));
        stackedWidget->setGeometry(65, 200, 894, 360);

        FindVer = new QFrame(frameChange);
        FindVer->setObjectName(QString::fromUtf8("FindVer"));
        FindVer->setGeometry(350, 300, 300, 140);
        FindVer->setFrameShape(QFrame::StyledPanel);
        FindVer->setFrameShadow(QFrame::Raised);

        CloseButton_2 = new QToolButton(FindVer);
        CloseButton_2->setObjectName(QString::fromUtf8("CloseButton_2"));
        CloseButton_2->setGeometry(275, 5, 20, 20);
        CloseButton_2->setFocusPolicy(Qt::NoFocus);
        CloseButton_2->setAutoRaise(true);

        NewHong = new QToolButton(FindVer);
        NewHong->setObjectName(QString::fromUtf8("NewHong"));
        NewHong->setGeometry(100, 90, 90, 24);
        NewHong->setFont(pageFont(11));
        NewHong->setFocusPolicy(Qt::NoFocus);
        NewHong->setAutoRaise(true);

        FindVerlaebl = new QLabel(FindVer);
        FindVerlaebl->setObjectName(QString::fromUtf8("FindVerlaebl"));
        FindVerlaebl->setGeometry(0, 20, 301, 51);
        FindVerlaebl->setFont(pageFont(11));
        FindVerlaebl->setAlignment(Qt::AlignCenter);
        FindVerlaebl->setWordWrap(true);

        NoApear = new QCheckBox(FindVer);
        NoApear->setObjectName(QString::fromUtf8("NoApear"));
        NoApear->setGeometry(5, 120, 291, 18);
        NoApear->setFocusPolicy(Qt::NoFocus);

        label_3 = new QLabel(frameChange);
        label_3->setObjectName(QString::fromUtf8("label_3"));
        label_3->setGeometry(0, 530, 1021, 121);
        label_3->setFont(pageFont(16));
        label_3->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));
        label_3->setAlignment(Qt::AlignCenter);
        label_3->setWordWrap(true);

        retranslateUi(DialogChange);

        QMetaObject::connectSlotsByName(DialogChange);
    }

    // The form's own texts. The selector's four items are fixed: the
    // language file never renames them.
    void retranslateUi(QWidget *DialogChange)
    {
        DialogChange->setWindowTitle(QString::fromUtf8("Form"));
        comboBox->clear();
        comboBox->insertItems(0,
                              QStringList() << QString::fromUtf8("English") << QString::fromUtf8("简体中文")
                                            << QString::fromUtf8("繁体中文") << QString::fromUtf8("Russia"));
        label_2->setText(QString::fromUtf8("请接入你的游戏装备"));
        label_3->setText(QString::fromUtf8("点击图案进入使用"));
        NewHong->setText(QString::fromUtf8("确定"));
        FindVerlaebl->setText(QString::fromUtf8("发现新固件,请更新!"));
        NoApear->setText(QString::fromUtf8("下次不再显示"));
        MinButton->setText(QString());
        CloseButton->setText(QString());
        LeftButton->setText(QString());
        RightButton->setText(QString());
        Repair->setText(QString());
        CloseButton_2->setText(QString());
    }
};

namespace Ui {
class DialogChange : public Ui_DialogChange
{
};
} // namespace Ui
