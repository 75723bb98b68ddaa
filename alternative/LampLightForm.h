#pragma once
// Form of the lighting page: the light-bar mode, brightness and speed, the
// lights-off-while-moving switch, the sleep-time selector, the colour board,
// the colour entry and the 14 preset colours, with the object names the
// style sheets, the language file and the by-name slot connection rely on.

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMetaObject>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVector>
#include <QWidget>

#include "MyConmboBox.h"
#include "Skin.h"
#include "StopCloseTime.h"

class Ui_LampLight
{
public:
    QGridLayout *gridLayout = nullptr;
    QFrame *LightPage = nullptr;
    QFrame *line = nullptr;
    QFrame *line_2 = nullptr;
    MyConmboBox *LightMod = nullptr;
    QLabel *label = nullptr;
    QLabel *label_2 = nullptr;
    QSlider *horizontalLight = nullptr;
    QSpinBox *LightSpinBox_2 = nullptr;
    QLabel *label_3 = nullptr;
    QSlider *horizontalSpeed = nullptr;
    QSpinBox *SpeedSpinBox_2 = nullptr;
    QLabel *label_4 = nullptr;
    QToolButton *RippeControl = nullptr;
    QLabel *label_5 = nullptr;
    StopCloseTime *frameClose = nullptr;
    QLabel *label_6 = nullptr;
    QLabel *label_7 = nullptr;
    QLabel *label_8 = nullptr;
    QLabel *labelPreView = nullptr;
    QLabel *label_11 = nullptr;
    QLabel *label_10 = nullptr;
    QLabel *label_12 = nullptr;
    QToolButton *ReduceR = nullptr;
    QToolButton *ReduceG = nullptr;
    QToolButton *ReduceB = nullptr;
    QSpinBox *RSpinBox = nullptr;
    QSpinBox *GSpinBox = nullptr;
    QSpinBox *BSpinBox = nullptr;
    QToolButton *AddR = nullptr;
    QToolButton *AddG = nullptr;
    QToolButton *AddB = nullptr;
    QLabel *label_13 = nullptr;
    // toolButtonColorA ... toolButtonColorN, in letter order.
    QVector<QToolButton *> presetButtons;

    void setupUi(QWidget *LampLight)
    {
        if (LampLight->objectName().isEmpty())
            LampLight->setObjectName(QString::fromUtf8("LampLight"));
        LampLight->resize(883, 630);
        LampLight->setMaximumSize(883, 630);
        LampLight->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

        gridLayout = new QGridLayout(LampLight);
        gridLayout->setObjectName(QString::fromUtf8("gridLayout"));
        gridLayout->setSpacing(0);
        gridLayout->setContentsMargins(0, 0, 0, 0);

        LightPage = new QFrame(LampLight);
        LightPage->setObjectName(QString::fromUtf8("LightPage"));
        LightPage->setFrameShape(QFrame::StyledPanel);
        LightPage->setFrameShadow(QFrame::Raised);
        LightPage->setStyleSheet(QString::fromUtf8(
            "#LightPage{}"
            "QScrollBar:vertical{width:13px;margin-top:2px;margin-bottom:2px;border:none;"
            "background:rgb(30,30,30);color:rgb(30,30,30);}"
            "QScrollBar::handle:vertical{background:rgb(117,117,117);border-radius:3px;min-height:30px;"
            "margin-left:2px;margin-right:2px;}"
            "QScrollBar::handle:vertical:pressed{background:rgb(117,117,117);}"
            "QScrollBar::add-line:vertical{height:25px;background:rgb(30,30,30);subcontrol-position:bottom;}"
            "QScrollBar::sub-line:vertical{height:25px;background:rgb(30,30,30);subcontrol-position:top;}"
            "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;border:none;}"
            "QScrollBar::up-arrow:vertical,QScrollBar::down-arrow:vertical{background:transparent;border:none;}"));
        gridLayout->addWidget(LightPage, 0, 0, 1, 1);

        line = horizontalLine("line", QRect(68, 225, 281, 3));
        line_2 = horizontalLine("line_2", QRect(68, 309, 281, 3));

        LightMod = new MyConmboBox(LightPage);
        LightMod->setObjectName(QString::fromUtf8("LightMod"));
        LightMod->setGeometry(67, 112, 308, 34);
        LightMod->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        LightMod->setMinimumSize(308, 34);
        LightMod->setMaximumSize(308, 34);
        LightMod->setFont(Skin::Font(11));
        LightMod->setFocusPolicy(Qt::NoFocus);

        label = caption("label", QRect(68, 80, 241, 21));
        label_2 = caption("label_2", QRect(67, 173, 161, 21));

        horizontalLight = levelSlider("horizontalLight", QRect(67, 215, 281, 25));
        horizontalLight->setMinimumSize(25, 25);
        horizontalLight->setMaximumSize(316, 22);
        LightSpinBox_2 = levelBox("LightSpinBox_2", QRect(350, 218, 38, 20));

        label_3 = caption("label_3", QRect(68, 259, 191, 21));
        horizontalSpeed = levelSlider("horizontalSpeed", QRect(68, 300, 281, 22));
        SpeedSpinBox_2 = levelBox("SpeedSpinBox_2", QRect(350, 300, 38, 20));

        label_4 = caption("label_4", QRect(130, 360, 261, 31));

        RippeControl = new QToolButton(LightPage);
        RippeControl->setObjectName(QString::fromUtf8("RippeControl"));
        RippeControl->setGeometry(68, 368, 36, 18);
        RippeControl->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        RippeControl->setMinimumSize(36, 18);
        RippeControl->setMaximumSize(36, 18);
        RippeControl->setCheckable(true);
        RippeControl->setAutoRaise(false);
        RippeControl->setFocusPolicy(Qt::NoFocus);

        label_5 = caption("label_5", QRect(68, 425, 161, 61));
        label_5->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
        label_5->setWordWrap(true);

        frameClose = new StopCloseTime(LightPage);
        frameClose->setObjectName(QString::fromUtf8("frameClose"));
        frameClose->setGeometry(235, 420, 145, 35);
        frameClose->setFrameShape(QFrame::StyledPanel);
        frameClose->setFrameShadow(QFrame::Raised);

        label_6 = caption("label_6", QRect(449, 80, 321, 20));
        label_7 = new QLabel(LightPage);
        label_7->setObjectName(QString::fromUtf8("label_7"));
        label_7->setGeometry(448, 112, 308, 34);
        label_7->setMinimumSize(308, 34);
        label_8 = caption("label_8", QRect(449, 197, 261, 17));

        labelPreView = new QLabel(LightPage);
        labelPreView->setObjectName(QString::fromUtf8("labelPreView"));
        labelPreView->setGeometry(450, 238, 60, 60);
        labelPreView->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        labelPreView->setMinimumSize(60, 60);
        labelPreView->setMaximumSize(60, 60);
        labelPreView->setScaledContents(true);
        labelPreView->setAlignment(Qt::AlignCenter);

        label_11 = channelCaption("label_11", QRect(572, 220, 16, 17));
        label_10 = channelCaption("label_10", QRect(572, 258, 16, 17));
        label_12 = channelCaption("label_12", QRect(572, 295, 15, 17));
        label_12->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        label_12->setMinimumSize(15, 17);
        label_12->setMaximumSize(15, 17);

        ReduceR = stepButton("ReduceR", QRect(593, 228, 14, 4));
        ReduceG = stepButton("ReduceG", QRect(593, 266, 14, 4));
        ReduceB = stepButton("ReduceB", QRect(593, 304, 14, 4));
        RSpinBox = colourBox("RSpinBox", QRect(613, 220, 45, 20), 10);
        GSpinBox = colourBox("GSpinBox", QRect(613, 258, 45, 20), 11);
        BSpinBox = colourBox("BSpinBox", QRect(613, 296, 45, 20), 10);
        AddR = stepButton("AddR", QRect(664, 223, 14, 14));
        AddG = stepButton("AddG", QRect(664, 263, 14, 14));
        AddB = stepButton("AddB", QRect(664, 299, 14, 14));

        label_13 = caption("label_13", QRect(448, 328, 341, 17));

        static const int columns[] = {450, 495, 540, 585, 630, 675, 720};
        for (int i = 0; i < 14; ++i) {
            auto *button = new QToolButton(LightPage);
            button->setObjectName(QStringLiteral("toolButtonColor") + QLatin1Char(char('A' + i)));
            button->setGeometry(columns[i % 7], i < 7 ? 373 : 423, 28, 28);
            button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            button->setMinimumSize(28, 28);
            button->setMaximumSize(28, 28);
            button->setCheckable(true);
            button->setFocusPolicy(Qt::NoFocus);
            presetButtons << button;
        }

        retranslateUi(LampLight);
        QMetaObject::connectSlotsByName(LampLight);
    }

    void retranslateUi(QWidget *LampLight)
    {
        auto tr = [](const char *text) { return QCoreApplication::translate("LampLight", text); };
        LampLight->setWindowTitle(tr("Form"));
        LightMod->clear();
        for (const char *text : {"关闭", "彩色流动", "单色呼吸", "混色常亮", "霓虹", "混彩呼吸"})
            LightMod->addItem(tr(text));
        label->setText(tr("灯光模式"));
        label_2->setText(tr("亮度"));
        label_3->setText(tr("速度"));
        label_4->setText(tr("移动时关灯"));
        RippeControl->setText(QString());
        label_5->setText(tr("静止关灯时间"));
        label_6->setText(tr("自定义颜色"));
        label_7->setText(QString());
        label_8->setText(tr("预览"));
        labelPreView->setText(QString());
        label_11->setText(tr("R:"));
        label_10->setText(tr("G:"));
        label_12->setText(tr("B:"));
        for (QToolButton *button : {ReduceR, ReduceG, ReduceB})
            button->setText(tr("..."));
        for (QToolButton *button : {AddR, AddG, AddB})
            button->setText(QString());
        label_13->setText(tr("预设颜色"));
        for (QToolButton *button : presetButtons)
            button->setText(QString());
    }

private:
    QFrame *horizontalLine(const char *name, const QRect &geometry)
    {
        auto *frame = new QFrame(LightPage);
        frame->setObjectName(QString::fromUtf8(name));
        frame->setGeometry(geometry);
        frame->setStyleSheet(QString::fromUtf8("background-color:  rgb(57, 57, 57);"));
        frame->setFrameShape(QFrame::HLine);
        frame->setFrameShadow(QFrame::Sunken);
        return frame;
    }

    QLabel *caption(const char *name, const QRect &geometry)
    {
        auto *caption = new QLabel(LightPage);
        caption->setObjectName(QString::fromUtf8(name));
        caption->setGeometry(geometry);
        caption->setFont(Skin::Font(11));
        return caption;
    }

    QLabel *channelCaption(const char *name, const QRect &geometry)
    {
        QLabel *label = caption(name, geometry);
        label->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));
        return label;
    }

    QSlider *levelSlider(const char *name, const QRect &geometry)
    {
        auto *slider = new QSlider(LightPage);
        slider->setObjectName(QString::fromUtf8(name));
        slider->setGeometry(geometry);
        QFont font;
        font.setFamily(QString::fromUtf8("Microsoft YaHei UI Light"));
        slider->setFont(font);
        slider->setOrientation(Qt::Horizontal);
        slider->setMinimum(1);
        slider->setMaximum(10);
        slider->setPageStep(1);
        // Sends on release, not on every step of a drag.
        slider->setTracking(false);
        slider->setFocusPolicy(Qt::NoFocus);
        return slider;
    }

    QSpinBox *levelBox(const char *name, const QRect &geometry)
    {
        auto *box = new QSpinBox(LightPage);
        box->setObjectName(QString::fromUtf8(name));
        box->setGeometry(geometry);
        box->setFont(Skin::Font(11));
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignCenter);
        box->setReadOnly(true);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setMinimum(1);
        box->setMaximum(10);
        return box;
    }

    QSpinBox *colourBox(const char *name, const QRect &geometry, int pointSize)
    {
        auto *box = new QSpinBox(LightPage);
        box->setObjectName(QString::fromUtf8(name));
        box->setGeometry(geometry);
        box->setFont(Skin::Font(pointSize));
        box->setFocusPolicy(Qt::ClickFocus);
        box->setAlignment(Qt::AlignCenter);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setKeyboardTracking(true);
        box->setMinimum(0);
        box->setMaximum(255);
        return box;
    }

    QToolButton *stepButton(const char *name, const QRect &geometry)
    {
        auto *button = new QToolButton(LightPage);
        button->setObjectName(QString::fromUtf8(name));
        button->setGeometry(geometry);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        button->setMinimumSize(geometry.size());
        button->setMaximumSize(geometry.size());
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
};
