#pragma once
// Form of the sensor page: one fixed 883 x 630 frame "SenSorPage" with every
// child at an absolute position. From the top: the DPI bar (marker
// TitleButton), the report-rate bar (TitleButton_2), the sensor settings
// headed by label_5 (TitleButton_4): lift-off, full performance with its
// time, the three switches; and the DPI LED effect (TitleButton_3). The page
// hides the settings and lifts the effect for models without them.
//
// setupUi ends with connectSlotsByName on the page, which searches the whole
// tree: the page's rate-button and "LOD" slots answer the widgets inside
// frameRate and frameLOD too, after the widgets' own slots.

#include "MyConmboBox.h"
#include "SensorDPI.h"
#include "SensorEffect.h"
#include "SensorLOD.h"
#include "SensorRate.h"
#include "SensorSwitch.h"
#include "Skin.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMetaObject>
#include <QToolButton>
#include <QWidget>

class Ui_Sensor
{
public:
    QGridLayout *gridLayout = nullptr;
    QFrame *SenSorPage = nullptr;
    QCheckBox *Performance = nullptr;
    MyConmboBox *PerformanceOpen = nullptr;
    QLabel *label_11 = nullptr;
    QToolButton *TitleButton_3 = nullptr;
    QToolButton *TitleButton_4 = nullptr;
    QLabel *label_5 = nullptr;
    QToolButton *TitleButton_2 = nullptr;
    QToolButton *TitleButton = nullptr;
    RippeControl *frame = nullptr;
    MotionSync *frame_3 = nullptr;
    StraightLine *frame_4 = nullptr;
    SensorLOD *frameLOD = nullptr;
    SensorEffect *frameEffect = nullptr;
    SensorRate *frameRate = nullptr;
    SensorDPI *frameDpi = nullptr;
    MyConmboBox *ModelChoose = nullptr;

    void setupUi(QWidget *Sensor)
    {
        if (Sensor->objectName().isEmpty())
            Sensor->setObjectName(QString::fromUtf8("Sensor"));
        Sensor->resize(883, 630);
        Sensor->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        Sensor->setMinimumSize(QSize(883, 630));
        Sensor->setMaximumSize(QSize(883, 630));

        gridLayout = new QGridLayout(Sensor);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QString::fromUtf8("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);

        SenSorPage = new QFrame(Sensor);
        SenSorPage->setObjectName(QString::fromUtf8("SenSorPage"));
        SenSorPage->setMinimumSize(QSize(883, 630));
        SenSorPage->setMaximumSize(QSize(883, 630));
        SenSorPage->setStyleSheet(QString::fromUtf8(
            "QScrollBar:vertical{width:13px;background:rgb(30,30,30);margin:25px 0px 25px 0px;}"
            "QScrollBar::handle:vertical{background:rgb(117,117,117);border-radius:3px;min-height:30px;}"
            "QScrollBar::add-line:vertical{height:25px;background:rgb(30,30,30);subcontrol-position:bottom;}"
            "QScrollBar::sub-line:vertical{height:25px;background:rgb(30,30,30);subcontrol-position:top;}"
            "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}"
            "QScrollBar::up-arrow:vertical,QScrollBar::down-arrow:vertical{background:transparent;}"));
        SenSorPage->setFrameShape(QFrame::StyledPanel);
        SenSorPage->setFrameShadow(QFrame::Raised);

        const QFont font = Skin::Font(11);

        Performance = new QCheckBox(SenSorPage);
        Performance->setObjectName(QString::fromUtf8("Performance"));
        Performance->setGeometry(QRect(255, 360, 201, 17));
        Performance->setMinimumSize(QSize(0, 17));
        Performance->setFont(font);
        Performance->setFocusPolicy(Qt::NoFocus);

        PerformanceOpen = new MyConmboBox(SenSorPage);
        for (int i = 0; i < 6; ++i)
            PerformanceOpen->addItem(QString());
        PerformanceOpen->setObjectName(QString::fromUtf8("PerformanceOpen"));
        PerformanceOpen->setEnabled(false);
        PerformanceOpen->setGeometry(QRect(255, 390, 130, 30));
        PerformanceOpen->setFixedSize(130, 30);
        PerformanceOpen->setFont(font);
        PerformanceOpen->setFocusPolicy(Qt::NoFocus);
        PerformanceOpen->setEditable(false);
        PerformanceOpen->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);

        label_11 = new QLabel(SenSorPage);
        label_11->setObjectName(QString::fromUtf8("label_11"));
        label_11->setGeometry(QRect(190, 320, 171, 17));
        label_11->setFont(font);
        label_11->setStyleSheet(QString::fromUtf8("#label_11{\ncolor: rgb(255, 255, 255);\n}"));
        label_11->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);

        TitleButton_3 = MakeMarker(SenSorPage, "TitleButton_3", QRect(40, 463, 16, 10));
        TitleButton_4 = MakeMarker(SenSorPage, "TitleButton_4", QRect(40, 323, 16, 10));

        label_5 = new QLabel(SenSorPage);
        label_5->setObjectName(QString::fromUtf8("label_5"));
        label_5->setGeometry(QRect(80, 316, 211, 21));
        label_5->setFont(font);
        label_5->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));

        TitleButton_2 = MakeMarker(SenSorPage, "TitleButton_2", QRect(40, 220, 16, 10));
        TitleButton = MakeMarker(SenSorPage, "TitleButton", QRect(40, 33, 16, 10));

        frame = Place(new RippeControl(SenSorPage), "frame", QRect(640, 340, 204, 31));
        frame_3 = Place(new MotionSync(SenSorPage), "frame_3", QRect(640, 400, 204, 31));
        frame_4 = Place(new StraightLine(SenSorPage), "frame_4", QRect(640, 370, 204, 31));
        frameLOD = Place(new SensorLOD(SenSorPage), "frameLOD", QRect(80, 360, 131, 61));
        frameEffect = Place(new SensorEffect(SenSorPage), "frameEffect", QRect(80, 456, 439, 96));
        frameRate = Place(new SensorRate(SenSorPage), "frameRate", QRect(80, 208, 587, 82));
        frameDpi = Place(new SensorDPI(SenSorPage), "frameDpi", QRect(65, 26, 728, 194));

        ModelChoose = new MyConmboBox(SenSorPage);
        for (int i = 0; i < 3; ++i)
            ModelChoose->addItem(QString());
        ModelChoose->setObjectName(QString::fromUtf8("ModelChoose"));
        ModelChoose->setEnabled(false);
        ModelChoose->setGeometry(QRect(340, 310, 130, 30));
        ModelChoose->setFixedSize(130, 30);
        ModelChoose->setFont(font);
        ModelChoose->setFocusPolicy(Qt::NoFocus);

        gridLayout->addWidget(SenSorPage, 0, 0, 1, 1);

        retranslateUi(Sensor);
        QMetaObject::connectSlotsByName(Sensor);
    }

    void retranslateUi(QWidget *Sensor)
    {
        Sensor->setWindowTitle(QCoreApplication::translate("Sensor", "Form"));
        Performance->setText(QCoreApplication::translate("Sensor", "性能全开"));
        PerformanceOpen->clear();
        PerformanceOpen->insertItems(0,
                                     QStringList() << QCoreApplication::translate("Sensor", "30秒")
                                                   << QCoreApplication::translate("Sensor", "1分钟")
                                                   << QCoreApplication::translate("Sensor", "2分钟")
                                                   << QCoreApplication::translate("Sensor", "5分钟")
                                                   << QCoreApplication::translate("Sensor", "10分钟")
                                                   << QCoreApplication::translate("Sensor", "15分钟"));
        label_11->setToolTip(QCoreApplication::translate("Sensor", "LP:普通模式; HP:高性能模式; corded:超性能模式"));
        label_11->setText(QCoreApplication::translate("Sensor", "模式选择"));
        TitleButton_3->setText(QString());
        TitleButton_4->setText(QString());
        label_5->setText(QCoreApplication::translate("Sensor", "Sensor设置"));
        TitleButton_2->setText(QString());
        TitleButton->setText(QString());
        ModelChoose->clear();
        ModelChoose->insertItems(0,
                                 QStringList() << QCoreApplication::translate("Sensor", "LP")
                                               << QCoreApplication::translate("Sensor", "HP")
                                               << QCoreApplication::translate("Sensor", "Corded"));
    }

private:
    static QToolButton *MakeMarker(QFrame *parent, const char *name, const QRect &rect)
    {
        QToolButton *b = new QToolButton(parent);
        b->setObjectName(QString::fromUtf8(name));
        b->setEnabled(false);
        b->setGeometry(rect);
        b->setFixedSize(16, 10);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
        return b;
    }

    // The option widget keeps its own inner form; the page names it.
    template<typename W>
    static W *Place(W *widget, const char *name, const QRect &rect)
    {
        widget->setObjectName(QString::fromUtf8(name));
        widget->setGeometry(rect);
        widget->setFrameShape(QFrame::StyledPanel);
        widget->setFrameShadow(QFrame::Raised);
        return widget;
    }
};
