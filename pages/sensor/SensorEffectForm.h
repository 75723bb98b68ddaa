#pragma once
// Form of the DPI LED effect: the mode combo "Model" (off, steady,
// breathing), the speed slider "SpeedH" (1..5) and the brightness slider
// "LightH" (levels 1..10), each with a read-only number box and a grey line
// that stands in for a hidden slider. Tracking is off: a slider reports its
// value once, on release.

#include "MyConmboBox.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QSlider>
#include <QSpinBox>

class Ui_SensorEffect
{
public:
    QLabel *label = nullptr;
    MyConmboBox *Model = nullptr;
    QLabel *label_14 = nullptr;
    QLabel *label_15 = nullptr;
    QSlider *SpeedH = nullptr;
    QSlider *LightH = nullptr;
    QFrame *line = nullptr;
    QFrame *line_2 = nullptr;
    QSpinBox *SpeedSpinBox = nullptr;
    QSpinBox *LightSpinBox = nullptr;

    void setupUi(QFrame *SensorEffect)
    {
        if (SensorEffect->objectName().isEmpty())
            SensorEffect->setObjectName(QString::fromUtf8("SensorEffect"));
        SensorEffect->resize(439, 96);
        SensorEffect->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        SensorEffect->setFrameShape(QFrame::StyledPanel);
        SensorEffect->setFrameShadow(QFrame::Raised);
        const QFont font = Skin::Font(11);

        label = MakeLabel(SensorEffect, "label", QRect(0, 0, 131, 21), font,
                          Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);

        Model = new MyConmboBox(SensorEffect);
        for (int i = 0; i < 3; ++i)
            Model->addItem(QString());
        Model->setObjectName(QString::fromUtf8("Model"));
        Model->setGeometry(QRect(0, 44, 130, 30));
        Model->setMinimumSize(QSize(130, 30));
        Model->setMaximumSize(QSize(130, 30));
        Model->setFont(font);
        Model->setFocusPolicy(Qt::NoFocus);

        label_14 = MakeLabel(SensorEffect, "label_14", QRect(141, 44, 81, 20), font, Qt::AlignCenter);
        label_15 = MakeLabel(SensorEffect, "label_15", QRect(141, 74, 81, 20), font, Qt::AlignCenter);
        SpeedH = MakeSlider(SensorEffect, "SpeedH", QRect(230, 44, 151, 20), 5);
        LightH = MakeSlider(SensorEffect, "LightH", QRect(230, 74, 151, 20), 10);
        line = MakeLine(SensorEffect, "line", QRect(230, 54, 151, 3));
        line_2 = MakeLine(SensorEffect, "line_2", QRect(230, 84, 151, 3));
        SpeedSpinBox = MakeSpin(SensorEffect, "SpeedSpinBox", QRect(381, 44, 50, 20), font);
        LightSpinBox = MakeSpin(SensorEffect, "LightSpinBox", QRect(381, 74, 50, 20), font);
        LightSpinBox->setWrapping(false);

        retranslateUi(SensorEffect);
        QMetaObject::connectSlotsByName(SensorEffect);
    }

    void retranslateUi(QFrame *SensorEffect)
    {
        SensorEffect->setWindowTitle(QCoreApplication::translate("SensorEffect", "Frame"));
        label->setText(QCoreApplication::translate("SensorEffect", "DPI灯效"));
        Model->setItemText(0, QCoreApplication::translate("SensorEffect", "关闭"));
        Model->setItemText(1, QCoreApplication::translate("SensorEffect", "常亮"));
        Model->setItemText(2, QCoreApplication::translate("SensorEffect", "呼吸"));
        label_14->setText(QCoreApplication::translate("SensorEffect", "速度"));
        label_15->setText(QCoreApplication::translate("SensorEffect", "亮度"));
    }

    // The row parts, shared with the three-button form of SensorEffectB.
    static QLabel *MakeLabel(QFrame *parent, const char *name, const QRect &rect, const QFont &font,
                             Qt::Alignment align)
    {
        QLabel *l = new QLabel(parent);
        l->setObjectName(QString::fromUtf8(name));
        l->setGeometry(rect);
        l->setFont(font);
        l->setFocusPolicy(Qt::NoFocus);
        l->setAlignment(align);
        return l;
    }
    static QSlider *MakeSlider(QFrame *parent, const char *name, const QRect &rect, int maximum)
    {
        QSlider *s = new QSlider(parent);
        s->setObjectName(QString::fromUtf8(name));
        s->setGeometry(rect);
        s->setFocusPolicy(Qt::NoFocus);
        s->setOrientation(Qt::Horizontal);
        s->setMinimum(1);
        s->setMaximum(maximum);
        s->setPageStep(1);
        s->setTracking(false);
        return s;
    }
    static QFrame *MakeLine(QFrame *parent, const char *name, const QRect &rect)
    {
        QFrame *f = new QFrame(parent);
        f->setObjectName(QString::fromUtf8(name));
        f->setGeometry(rect);
        f->setStyleSheet(QString::fromUtf8("background-color:  rgb(57, 57, 57);"));
        f->setFrameShape(QFrame::HLine);
        f->setFrameShadow(QFrame::Sunken);
        return f;
    }
    static QSpinBox *MakeSpin(QFrame *parent, const char *name, const QRect &rect, const QFont &font)
    {
        QSpinBox *b = new QSpinBox(parent);
        b->setObjectName(QString::fromUtf8(name));
        b->setGeometry(rect);
        b->setMinimumSize(QSize(50, 0));
        b->setFont(font);
        b->setFocusPolicy(Qt::NoFocus);
        b->setReadOnly(true);
        b->setButtonSymbols(QAbstractSpinBox::NoButtons);
        b->setAlignment(Qt::AlignCenter);
        b->setMinimum(1);
        b->setMaximum(10);
        return b;
    }
};
