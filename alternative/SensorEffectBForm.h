#pragma once
// Form of SensorEffectB: the mode as three exclusive check boxes (steady,
// breathing, off) above the speed and brightness rows of SensorEffect.

#include "SensorEffectForm.h"

#include <QCheckBox>

class Ui_SensorEffectB
{
public:
    QLabel *label = nullptr;
    QCheckBox *MM1 = nullptr;
    QCheckBox *MM2 = nullptr;
    QCheckBox *MM3 = nullptr;
    QLabel *label_14 = nullptr;
    QLabel *label_15 = nullptr;
    QSlider *SpeedH = nullptr;
    QFrame *line = nullptr;
    QSpinBox *SpeedSpinBox = nullptr;
    QSlider *LightH = nullptr;
    QFrame *line_2 = nullptr;
    QSpinBox *LightSpinBox = nullptr;

    void setupUi(QFrame *SensorEffectB)
    {
        if (SensorEffectB->objectName().isEmpty())
            SensorEffectB->setObjectName(QString::fromUtf8("SensorEffectB"));
        SensorEffectB->resize(400, 143);
        SensorEffectB->setFrameShape(QFrame::StyledPanel);
        SensorEffectB->setFrameShadow(QFrame::Raised);
        const QFont font = Skin::Font(11);

        label = Ui_SensorEffect::MakeLabel(SensorEffectB, "label", QRect(0, 0, 181, 21), font,
                                           Qt::AlignLeft | Qt::AlignVCenter);
        label->setStyleSheet(QString::fromUtf8("color: rgb(255, 255, 255);"));
        MM1 = ModeBox(SensorEffectB, "MM1", QRect(10, 40, 101, 20), font);
        MM2 = ModeBox(SensorEffectB, "MM2", QRect(120, 40, 101, 20), font);
        MM3 = ModeBox(SensorEffectB, "MM3", QRect(230, 40, 101, 20), font);
        label_14 = Ui_SensorEffect::MakeLabel(SensorEffectB, "label_14", QRect(10, 90, 81, 20), font, Qt::AlignCenter);
        label_15 = Ui_SensorEffect::MakeLabel(SensorEffectB, "label_15", QRect(10, 120, 81, 20), font, Qt::AlignCenter);
        SpeedH = Ui_SensorEffect::MakeSlider(SensorEffectB, "SpeedH", QRect(99, 90, 241, 20), 5);
        line = Ui_SensorEffect::MakeLine(SensorEffectB, "line", QRect(99, 100, 241, 3));
        SpeedSpinBox = Ui_SensorEffect::MakeSpin(SensorEffectB, "SpeedSpinBox", QRect(340, 90, 50, 20), font);
        LightH = Ui_SensorEffect::MakeSlider(SensorEffectB, "LightH", QRect(99, 120, 241, 20), 10);
        line_2 = Ui_SensorEffect::MakeLine(SensorEffectB, "line_2", QRect(99, 130, 241, 3));
        LightSpinBox = Ui_SensorEffect::MakeSpin(SensorEffectB, "LightSpinBox", QRect(340, 120, 50, 20), font);
        LightSpinBox->setWrapping(false);

        retranslateUi(SensorEffectB);
        QMetaObject::connectSlotsByName(SensorEffectB);
    }

    void retranslateUi(QFrame *SensorEffectB)
    {
        SensorEffectB->setWindowTitle(QCoreApplication::translate("SensorEffectB", "Frame"));
        label->setText(QCoreApplication::translate("SensorEffectB", "DPI灯效"));
        MM1->setText(QCoreApplication::translate("SensorEffectB", "常亮"));
        MM2->setText(QCoreApplication::translate("SensorEffectB", "呼吸"));
        MM3->setText(QCoreApplication::translate("SensorEffectB", "关闭"));
        label_14->setText(QCoreApplication::translate("SensorEffectB", "速度"));
        label_15->setText(QCoreApplication::translate("SensorEffectB", "亮度"));
    }

private:
    static QCheckBox *ModeBox(QFrame *parent, const char *name, const QRect &rect, const QFont &font)
    {
        auto *box = new QCheckBox(parent);
        box->setObjectName(QString::fromUtf8(name));
        box->setGeometry(rect);
        box->setMinimumSize(QSize(20, 10));
        box->setFont(font);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
};
