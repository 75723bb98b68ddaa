#pragma once
// Form of the macro page: the macro list and its buttons on the left, the rows
// of the selected macro in the middle, the recorder, delay and repeat controls,
// the insert selector and Save on the right. Every widget lies on the frame
// "MacroPage", which fills the page; the page's constructor replaces the
// form's own style sheets with the skin.

#include "MyConmboBox.h"
#include "Skin.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

class Ui_Macro
{
public:
    QGridLayout *gridLayout = nullptr;
    QFrame *MacroPage = nullptr;
    QLabel *label_2 = nullptr;
    QListWidget *listWidgetKey = nullptr;
    QLabel *label = nullptr;
    QListWidget *listWidgetHong = nullptr;
    MyConmboBox *ChooseEvent = nullptr;
    QCheckBox *ReUntilClick = nullptr;
    QCheckBox *AutoInsertDelay = nullptr;
    QCheckBox *ReNumber = nullptr;
    QToolButton *NewHong = nullptr;
    QToolButton *DeleteHong = nullptr;
    QToolButton *Amend = nullptr;
    QToolButton *DeleteKey = nullptr;
    QCheckBox *DefaultDelay = nullptr;
    QPushButton *StartRecord = nullptr;
    QPushButton *StopRecord = nullptr;
    QLabel *label_3 = nullptr;
    QSpinBox *DelayTime = nullptr;
    QSpinBox *NumberEdit = nullptr;
    QCheckBox *ReUntil = nullptr;
    QToolButton *Save = nullptr;
    QLabel *AutoInsertDelayLabel = nullptr;
    QLabel *ReUntilLabel = nullptr;
    QLabel *ReUntilClickLabel = nullptr;
    QCheckBox *ReUntilLoose = nullptr;
    QLabel *ReUntilLooseLabel = nullptr;

    void setupUi(QWidget *Macro)
    {
        if (Macro->objectName().isEmpty())
            Macro->setObjectName(QString::fromUtf8("Macro"));
        Macro->resize(883, 630);
        Macro->setMinimumSize(QSize(883, 630));
        Macro->setMaximumSize(QSize(883, 630));

        gridLayout = new QGridLayout(Macro);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QString::fromUtf8("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);

        MacroPage = new QFrame(Macro);
        MacroPage->setObjectName(QString::fromUtf8("MacroPage"));
        MacroPage->setMinimumSize(QSize(883, 630));
        MacroPage->setMaximumSize(QSize(883, 630));
        MacroPage->setStyleSheet(QString::fromUtf8(
            "QScrollBar:vertical{width:13px;background:rgb(30,30,30);margin:2px 0px 2px 0px;}"
            "QScrollBar::handle:vertical{background:rgb(117,117,117);border-radius:3px;min-height:30px;"
            "margin:0px 2px 0px 2px;}"
            "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:25px;background:rgb(30,30,30);}"
            "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;border:none;}"
            "QScrollBar::up-arrow:vertical,QScrollBar::down-arrow:vertical{background:transparent;border:none;}"));
        MacroPage->setFrameShape(QFrame::StyledPanel);
        MacroPage->setFrameShadow(QFrame::Raised);

        label_2 = new QLabel(MacroPage);
        label_2->setObjectName(QString::fromUtf8("label_2"));
        label_2->setGeometry(QRect(350, 60, 201, 17));
        label_2->setFont(Skin::Font(11));
        label_2->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));

        listWidgetKey = new QListWidget(MacroPage);
        listWidgetKey->setObjectName(QString::fromUtf8("listWidgetKey"));
        listWidgetKey->setGeometry(QRect(350, 87, 261, 421));
        listWidgetKey->setFont(Skin::Font(11));
        listWidgetKey->setFocusPolicy(Qt::NoFocus);
        listWidgetKey->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        listWidgetKey->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

        label = new QLabel(MacroPage);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(70, 60, 141, 17));
        label->setFont(Skin::Font(11));
        label->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));

        listWidgetHong = new QListWidget(MacroPage);
        listWidgetHong->setObjectName(QString::fromUtf8("listWidgetHong"));
        listWidgetHong->setGeometry(QRect(70, 87, 261, 421));
        listWidgetHong->setFont(Skin::Font(11));
        listWidgetHong->setFocusPolicy(Qt::ClickFocus);
        listWidgetHong->setContextMenuPolicy(Qt::CustomContextMenu);
        listWidgetHong->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        listWidgetHong->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        listWidgetHong->setAutoScroll(true);

        ChooseEvent = new MyConmboBox(MacroPage);
        ChooseEvent->setObjectName(QString::fromUtf8("ChooseEvent"));
        ChooseEvent->setGeometry(QRect(640, 432, 181, 30));
        QSizePolicy choosePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        choosePolicy.setHorizontalStretch(0);
        choosePolicy.setVerticalStretch(0);
        choosePolicy.setHeightForWidth(ChooseEvent->sizePolicy().hasHeightForWidth());
        ChooseEvent->setSizePolicy(choosePolicy);
        ChooseEvent->setMinimumSize(QSize(40, 30));
        ChooseEvent->setFont(Skin::Font(11));
        ChooseEvent->setFocusPolicy(Qt::NoFocus);

        ReUntilClick = new QCheckBox(MacroPage);
        ReUntilClick->setObjectName(QString::fromUtf8("ReUntilClick"));
        ReUntilClick->setGeometry(QRect(640, 257, 21, 20));
        ReUntilClick->setMinimumSize(QSize(0, 20));
        ReUntilClick->setPalette(WhiteTextPalette());
        ReUntilClick->setFont(Skin::Font(11));
        ReUntilClick->setFocusPolicy(Qt::NoFocus);

        AutoInsertDelay = new QCheckBox(MacroPage);
        AutoInsertDelay->setObjectName(QString::fromUtf8("AutoInsertDelay"));
        AutoInsertDelay->setGeometry(QRect(640, 100, 20, 20));
        AutoInsertDelay->setMinimumSize(QSize(20, 10));
        AutoInsertDelay->setFont(Skin::Font(11));
        AutoInsertDelay->setFocusPolicy(Qt::NoFocus);

        ReNumber = new QCheckBox(MacroPage);
        ReNumber->setObjectName(QString::fromUtf8("ReNumber"));
        ReNumber->setGeometry(QRect(640, 337, 191, 17));
        ReNumber->setPalette(WhiteTextPalette());
        ReNumber->setFont(Skin::Font(10));
        ReNumber->setFocusPolicy(Qt::NoFocus);
        ReNumber->setChecked(true);

        NewHong = ToolButton(MacroPage, "NewHong", QRect(70, 530, 116, 30));
        DeleteHong = ToolButton(MacroPage, "DeleteHong", QRect(200, 530, 116, 30));
        Amend = ToolButton(MacroPage, "Amend", QRect(350, 530, 116, 30));
        DeleteKey = ToolButton(MacroPage, "DeleteKey", QRect(485, 530, 116, 30));

        DefaultDelay = new QCheckBox(MacroPage);
        DefaultDelay->setObjectName(QString::fromUtf8("DefaultDelay"));
        DefaultDelay->setGeometry(QRect(640, 142, 211, 20));
        DefaultDelay->setMinimumSize(QSize(0, 20));
        DefaultDelay->setPalette(WhiteTextPalette());
        DefaultDelay->setFont(Skin::Font(10));
        DefaultDelay->setFocusPolicy(Qt::NoFocus);

        StartRecord = RecordButton(MacroPage, "StartRecord");
        StopRecord = RecordButton(MacroPage, "StopRecord");

        label_3 = new QLabel(MacroPage);
        label_3->setObjectName(QString::fromUtf8("label_3"));
        label_3->setGeometry(QRect(640, 407, 181, 16));
        label_3->setFont(Skin::Font(11));
        label_3->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));

        DelayTime = SpinBox(MacroPage, "DelayTime", QRect(660, 167, 76, 30), 10, 65535, 10);
        NumberEdit = SpinBox(MacroPage, "NumberEdit", QRect(660, 362, 76, 30), 1, 250, 1);

        ReUntil = new QCheckBox(MacroPage);
        ReUntil->setObjectName(QString::fromUtf8("ReUntil"));
        ReUntil->setGeometry(QRect(640, 297, 16, 17));
        ReUntil->setPalette(WhiteTextPalette());
        ReUntil->setFont(Skin::Font(11));
        ReUntil->setFocusPolicy(Qt::NoFocus);
        ReUntil->setChecked(false);

        Save = ToolButton(MacroPage, "Save", QRect(640, 477, 116, 30));

        AutoInsertDelayLabel = CaptionLabel(MacroPage, "AutoInsertDelayLabel", QRect(660, 100, 201, 41));
        ReUntilLabel = CaptionLabel(MacroPage, "ReUntilLabel", QRect(660, 295, 201, 41));
        ReUntilClickLabel = CaptionLabel(MacroPage, "ReUntilClickLabel", QRect(660, 255, 201, 41));

        ReUntilLoose = new QCheckBox(MacroPage);
        ReUntilLoose->setObjectName(QString::fromUtf8("ReUntilLoose"));
        ReUntilLoose->setGeometry(QRect(640, 217, 21, 20));

        ReUntilLooseLabel = CaptionLabel(MacroPage, "ReUntilLooseLabel", QRect(660, 215, 201, 41));

        gridLayout->addWidget(MacroPage, 0, 0, 1, 1);

        // Stacking: the selector lowest, then the widgets in member order, so
        // the caption labels end on top of the check boxes they describe.
        ChooseEvent->raise();
        for (QWidget *w : std::initializer_list<QWidget *>{label_2,      listWidgetKey,
                                                           label,        listWidgetHong,
                                                           ReUntilClick, AutoInsertDelay,
                                                           ReNumber,     NewHong,
                                                           DeleteHong,   Amend,
                                                           DeleteKey,    DefaultDelay,
                                                           StartRecord,  StopRecord,
                                                           label_3,      DelayTime,
                                                           NumberEdit,   ReUntil,
                                                           Save,         AutoInsertDelayLabel,
                                                           ReUntilLabel, ReUntilClickLabel,
                                                           ReUntilLoose, ReUntilLooseLabel})
            w->raise();

        retranslateUi(Macro);

        QMetaObject::connectSlotsByName(Macro);
    }

    void retranslateUi(QWidget *Macro)
    {
        Macro->setWindowTitle(QCoreApplication::translate("Macro", "Form", nullptr));
        label_2->setText(QString::fromUtf8("按键列表"));
        label->setText(QString::fromUtf8("宏列表"));
        ChooseEvent->clear();
        ChooseEvent->insertItems(0,
                                 QStringList{QString(), QString::fromUtf8("按键按下"), QString::fromUtf8("按键释放"),
                                             QString::fromUtf8("延时"), QString::fromUtf8("左键"),
                                             QString::fromUtf8("右键"), QString::fromUtf8("中键"),
                                             QString::fromUtf8("前进键"), QString::fromUtf8("后退键")});
        ReUntilClick->setText(QString());
        AutoInsertDelay->setText(QString());
        ReNumber->setText(QString::fromUtf8("循环次数"));
        NewHong->setText(QString::fromUtf8("新建宏"));
        DeleteHong->setText(QString::fromUtf8("删除"));
        Amend->setText(QString::fromUtf8("修改"));
        DeleteKey->setText(QString::fromUtf8("删除"));
        DefaultDelay->setText(QString::fromUtf8("默认延时"));
        StartRecord->setText(QString::fromUtf8("开始录制宏"));
        StopRecord->setText(QString::fromUtf8("停止录制宏"));
        label_3->setText(QString::fromUtf8("插入事件"));
        ReUntil->setText(QString());
        Save->setText(QString::fromUtf8("删除"));
        AutoInsertDelayLabel->setText(QString::fromUtf8("按键列表"));
        ReUntilLabel->setText(QString::fromUtf8("按键列表"));
        ReUntilClickLabel->setText(QString::fromUtf8("按键列表"));
        ReUntilLoose->setText(QString());
        ReUntilLooseLabel->setText(QString::fromUtf8("按键列表"));
    }

private:
    // Window text, text and button text white in every colour group.
    static QPalette WhiteTextPalette()
    {
        QPalette palette;
        const QBrush white(QColor(255, 255, 255));
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setBrush(group, QPalette::WindowText, white);
            palette.setBrush(group, QPalette::Text, white);
            palette.setBrush(group, QPalette::ButtonText, white);
        }
        return palette;
    }

    static QToolButton *ToolButton(QWidget *parent, const char *name, const QRect &geometry)
    {
        auto *button = new QToolButton(parent);
        button->setObjectName(QString::fromUtf8(name));
        button->setGeometry(geometry);
        button->setMinimumSize(geometry.size());
        button->setMaximumSize(geometry.size());
        button->setFont(Skin::Font(11));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        return button;
    }

    static QPushButton *RecordButton(QWidget *parent, const char *name)
    {
        auto *button = new QPushButton(parent);
        button->setObjectName(QString::fromUtf8(name));
        button->setGeometry(QRect(637, 57, 190, 32));
        button->setMinimumSize(QSize(190, 32));
        button->setMaximumSize(QSize(190, 32));
        button->setFont(Skin::Font(9));
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }

    static QSpinBox *SpinBox(QWidget *parent, const char *name, const QRect &geometry, int minimum, int maximum,
                             int value)
    {
        auto *box = new QSpinBox(parent);
        box->setObjectName(QString::fromUtf8(name));
        box->setGeometry(geometry);
        QFont font;
        font.setFamily(QString::fromUtf8("Arial"));
        font.setPointSize(12);
        box->setFont(font);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setStyleSheet(
            QString::fromUtf8("color: rgb(255, 255, 255);background-color: rgb(91, 91, 91);border:none;"));
        box->setAlignment(Qt::AlignCenter);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setMinimum(minimum);
        box->setMaximum(maximum);
        box->setValue(value);
        return box;
    }

    static QLabel *CaptionLabel(QWidget *parent, const char *name, const QRect &geometry)
    {
        auto *label = new QLabel(parent);
        label->setObjectName(QString::fromUtf8(name));
        label->setGeometry(geometry);
        label->setFont(Skin::Font(10));
        label->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
};
