#pragma once
// Form of the top-level window: one frame covering the window and the page
// stack inside it (device list and main frame).

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QMetaObject>
#include <QStackedWidget>

class Ui_DialogMain
{
public:
    QFrame *frame = nullptr;
    QStackedWidget *stackedWidgetMain = nullptr;

    void setupUi(QDialog *DialogMain)
    {
        if (DialogMain->objectName().isEmpty())
            DialogMain->setObjectName(QString::fromUtf8("DialogMain"));
        DialogMain->resize(1020, 700);
        DialogMain->setMinimumSize(QSize(1020, 700));
        DialogMain->setMaximumSize(QSize(1020, 700));
        DialogMain->setMouseTracking(false);

        frame = new QFrame(DialogMain);
        frame->setObjectName(QString::fromUtf8("frame"));
        frame->setGeometry(QRect(0, 0, 1020, 700));
        frame->setMinimumSize(QSize(1020, 700));
        frame->setMaximumSize(QSize(1020, 700));
        frame->setMouseTracking(false);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);

        stackedWidgetMain = new QStackedWidget(frame);
        stackedWidgetMain->setObjectName(QString::fromUtf8("stackedWidgetMain"));
        stackedWidgetMain->setGeometry(QRect(0, 0, 1020, 700));
        stackedWidgetMain->setMinimumSize(QSize(1020, 700));
        stackedWidgetMain->setMaximumSize(QSize(1020, 700));
        stackedWidgetMain->setMouseTracking(false);
        stackedWidgetMain->setStyleSheet(QString());

        retranslateUi(DialogMain);
        QMetaObject::connectSlotsByName(DialogMain);
    }

    void retranslateUi(QDialog *DialogMain)
    {
        DialogMain->setWindowTitle(QCoreApplication::translate("DialogMain", "Orvik SE"));
    }
};

namespace Ui {
class DialogMain : public Ui_DialogMain
{
};
} // namespace Ui
