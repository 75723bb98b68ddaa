#pragma once
// Form of the main frame: the header bar with navigation, battery gauge,
// minimise and close buttons, the back arrow, and the page area.

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

class Ui_Dialog
{
public:
    QFrame *frame_2 = nullptr;
    QFrame *frame_3 = nullptr;
    QToolButton *UpArrow = nullptr;
    QFrame *frame = nullptr;
    QLabel *BatteryButtonC = nullptr;
    QToolButton *ButtonMain = nullptr;
    QToolButton *SensorButton = nullptr;
    QToolButton *MacroButton = nullptr;
    QToolButton *FormSetting = nullptr;
    QToolButton *LightsButton = nullptr;
    QToolButton *SetButton = nullptr;
    QToolButton *MinButton = nullptr;
    QToolButton *CloseButton = nullptr;
    QProgressBar *progressBar = nullptr;
    QLabel *label = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_3 = nullptr;
    QFrame *line = nullptr;
    QFrame *line_2 = nullptr;
    QFrame *line_3 = nullptr;
    QFrame *line_4 = nullptr;
    QFrame *line_5 = nullptr;
    QFrame *frame_4 = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QStackedWidget *stackedWidgetDialog = nullptr;

    void setupUi(QWidget *Dialog)
    {
        if (Dialog->objectName().isEmpty())
            Dialog->setObjectName(QString::fromUtf8("Dialog"));
        Dialog->resize(1020, 700);
        Dialog->setMinimumSize(QSize(1020, 700));
        Dialog->setMaximumSize(QSize(1020, 721));

        frame_2 = new QFrame(Dialog);
        frame_2->setObjectName(QString::fromUtf8("frame_2"));
        frame_2->setGeometry(QRect(0, 0, 1020, 700));
        frame_2->setMinimumSize(QSize(1020, 700));
        frame_2->setMaximumSize(QSize(1020, 700));
        frame_2->setFrameShape(QFrame::StyledPanel);
        frame_2->setFrameShadow(QFrame::Raised);

        frame_3 = new QFrame(frame_2);
        frame_3->setObjectName(QString::fromUtf8("frame_3"));
        frame_3->setGeometry(QRect(-10, 106, 144, 581));
        frame_3->setMaximumSize(QSize(150, 617));
        frame_3->setFrameShape(QFrame::StyledPanel);
        frame_3->setFrameShadow(QFrame::Raised);

        UpArrow = toolButton(frame_3, "UpArrow", QRect(60, 30, 34, 30));
        UpArrow->setFixedSize(34, 30);
        UpArrow->setIconSize(QSize(12, 6));

        frame = new QFrame(frame_2);
        frame->setObjectName(QString::fromUtf8("frame"));
        frame->setGeometry(QRect(0, 0, 1020, 111));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);

        BatteryButtonC = new QLabel(frame);
        BatteryButtonC->setObjectName(QString::fromUtf8("BatteryButtonC"));
        BatteryButtonC->setGeometry(QRect(957, 60, 43, 20));
        BatteryButtonC->setMaximumSize(QSize(43, 20));

        ButtonMain = navigationButton(frame, "ButtonMain", 248);
        SensorButton = navigationButton(frame, "SensorButton", 323);
        MacroButton = navigationButton(frame, "MacroButton", 398);
        FormSetting = navigationButton(frame, "FormSetting", 470);
        LightsButton = navigationButton(frame, "LightsButton", 473);

        SetButton = toolButton(frame, "SetButton", QRect(910, 10, 22, 22));
        SetButton->setFixedSize(22, 22);
        SetButton->setIconSize(QSize(30, 30));

        MinButton = toolButton(frame, "MinButton", QRect(940, 20, 20, 20));
        MinButton->setMinimumSize(QSize(20, 20));
        MinButton->setMaximumSize(QSize(32, 32));
        MinButton->setIconSize(QSize(30, 30));

        CloseButton = toolButton(frame, "CloseButton", QRect(980, 20, 20, 20));
        CloseButton->setFixedSize(20, 20);
        CloseButton->setIconSize(QSize(30, 30));

        progressBar = new QProgressBar(frame);
        progressBar->setObjectName(QString::fromUtf8("progressBar"));
        progressBar->setGeometry(QRect(958, 61, 38, 18));
        progressBar->setValue(100);
        progressBar->setTextVisible(false);
        progressBar->setStyleSheet(QString::fromUtf8("QProgressBar::chunk{background-color: rgb(191, 191, 191);}"));

        label = new QLabel(frame);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(968, 67, 17, 7));

        label_2 = new QLabel(frame);
        label_2->setObjectName(QString::fromUtf8("label_2"));
        label_2->setGeometry(QRect(908, 61, 41, 16));
        QFont font2;
        font2.setPointSize(10);
        label_2->setFont(font2);
        label_2->setAlignment(Qt::AlignCenter);

        label_3 = new QLabel(frame);
        label_3->setObjectName(QString::fromUtf8("label_3"));
        label_3->setGeometry(QRect(240, 10, 171, 51));
        QFont font3;
        font3.setPointSize(16);
        font3.setBold(true);
        label_3->setFont(font3);
        label_3->setStyleSheet(QString::fromUtf8("color: rgb(192, 255, 0);"));

        line = separator(frame, "line", 225);
        line_2 = separator(frame, "line_2", 301);
        line_3 = separator(frame, "line_3", 374);
        line_4 = separator(frame, "line_4", 447);
        line_5 = separator(frame, "line_5", 520);

        frame_4 = new QFrame(frame_2);
        frame_4->setObjectName(QString::fromUtf8("frame_4"));
        frame_4->setGeometry(QRect(140, 90, 881, 615));
        frame_4->setMaximumSize(QSize(890, 630));
        frame_4->setFrameShape(QFrame::StyledPanel);

        verticalLayout_4 = new QVBoxLayout(frame_4);
        verticalLayout_4->setObjectName(QString::fromUtf8("verticalLayout_4"));
        verticalLayout_4->setContentsMargins(0, 0, 0, 0);
        verticalLayout_4->setSpacing(0);

        stackedWidgetDialog = new QStackedWidget(frame_4);
        stackedWidgetDialog->setObjectName(QString::fromUtf8("stackedWidgetDialog"));
        stackedWidgetDialog->setMaximumSize(QSize(883, 605));
        verticalLayout_4->addWidget(stackedWidgetDialog);

        retranslateUi(Dialog);
        QMetaObject::connectSlotsByName(Dialog);
    }

    void retranslateUi(QWidget *Dialog)
    {
        Dialog->setWindowTitle(QCoreApplication::translate("Dialog", "Dialog"));
        for (QToolButton *button : {UpArrow, ButtonMain, SensorButton, MacroButton, FormSetting, LightsButton,
                                    SetButton, MinButton, CloseButton})
            button->setText(QString());
        label->setText(QString());
        label_2->setText(QCoreApplication::translate("Dialog", "100%"));
        label_3->setText(QString());
    }

private:
    static QToolButton *toolButton(QWidget *parent, const char *name, const QRect &geometry)
    {
        QToolButton *button = new QToolButton(parent);
        button->setObjectName(QString::fromUtf8(name));
        button->setGeometry(geometry);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        return button;
    }

    static QToolButton *navigationButton(QWidget *parent, const char *name, int x)
    {
        QToolButton *button = toolButton(parent, name, QRect(x, 60, 30, 30));
        button->setFixedSize(30, 30);
        button->setCheckable(true);
        return button;
    }

    static QFrame *separator(QWidget *parent, const char *name, int x)
    {
        QFrame *line = new QFrame(parent);
        line->setObjectName(QString::fromUtf8(name));
        line->setGeometry(QRect(x, 65, 3, 21));
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setStyleSheet(QString::fromUtf8("background-color: rgb(75, 75, 75);"));
        return line;
    }
};

namespace Ui {
class Dialog : public Ui_Dialog
{
};
} // namespace Ui
