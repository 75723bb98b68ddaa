#pragma once
// Forms of the ...B option widgets: a caption left of an on/off switch, two
// lift-off check boxes, six report-rate check boxes, a debounce slider with
// its number box, and a debounce number box with plus and minus buttons.

#include "Skin.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace OptionFormB {

inline void Frame(QFrame *frame, const char *name, int w, int h, bool fixed)
{
    if (frame->objectName().isEmpty())
        frame->setObjectName(QString::fromUtf8(name));
    frame->resize(w, h);
    if (fixed)
        frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
}

inline QCheckBox *Box(QFrame *frame, const char *name, const QRect &rect)
{
    auto *box = new QCheckBox(frame);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(rect);
    box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    box->setMinimumSize(QSize(20, 10));
    box->setFont(Skin::Font(11));
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

inline QSpinBox *NumberBox(QFrame *frame, const QRect &rect, int minimum)
{
    auto *box = new QSpinBox(frame);
    box->setObjectName(QString::fromUtf8("spinBoxA"));
    box->setEnabled(true);
    box->setGeometry(rect);
    box->setFont(Skin::Font(10));
    box->setFocusPolicy(Qt::NoFocus);
    box->setWrapping(false);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAccelerated(false);
    box->setRange(minimum, 20);
    box->setValue(minimum);
    return box;
}

} // namespace OptionFormB

// RippeControlB, StraightLineB and MotionSyncB: the same form under their
// own names; the switch is "<name without B>_2".
class Ui_SwitchB
{
public:
    QLabel *label = nullptr;
    QToolButton *button = nullptr;

    void setupUi(QFrame *frame, const char *context, const char *buttonName, const char *caption)
    {
        OptionFormB::Frame(frame, context, 204, 31, true);
        label = new QLabel(frame);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(0, 0, 161, 31));
        label->setFont(Skin::Font(11));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);

        button = new QToolButton(frame);
        button->setObjectName(QString::fromUtf8(buttonName));
        button->setGeometry(QRect(165, 0, 36, 18));
        button->setMinimumSize(QSize(36, 18));
        button->setMaximumSize(QSize(36, 18));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCheckable(true);
        button->setAutoRaise(false);

        frame->setWindowTitle(QCoreApplication::translate(context, "Frame"));
        label->setText(QCoreApplication::translate(context, caption));
        // The widget connects its slots by name once its own meta-object is
        // in place (here it is still the base one).
    }
};

class Ui_SensorLODB
{
public:
    QLabel *label = nullptr;
    QCheckBox *MM1 = nullptr;
    QCheckBox *MM2 = nullptr;

    void setupUi(QFrame *SensorLODB)
    {
        OptionFormB::Frame(SensorLODB, "SensorLODB", 252, 20, true);
        label = new QLabel(SensorLODB);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(0, 0, 71, 17));
        label->setFont(Skin::Font(11));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        MM1 = OptionFormB::Box(SensorLODB, "MM1", QRect(80, 0, 81, 20));
        MM2 = OptionFormB::Box(SensorLODB, "MM2", QRect(165, 0, 81, 20));
        retranslateUi(SensorLODB);
        QMetaObject::connectSlotsByName(SensorLODB);
    }

    void retranslateUi(QFrame *SensorLODB)
    {
        SensorLODB->setWindowTitle(QCoreApplication::translate("SensorLODB", "Frame"));
        label->setText(QCoreApplication::translate("SensorLODB", " LOD"));
        MM1->setText(QCoreApplication::translate("SensorLODB", "1mm"));
        MM2->setText(QCoreApplication::translate("SensorLODB", "2mm"));
    }
};

class Ui_SensorRateB
{
public:
    QLabel *label = nullptr;
    QCheckBox *Button125HZ = nullptr;
    QCheckBox *Button250HZ = nullptr;
    QCheckBox *Button500HZ = nullptr;
    QCheckBox *Button1000HZ = nullptr;
    QCheckBox *Button2000HZ = nullptr;
    QCheckBox *Button4000HZ = nullptr;

    // Box 0 (125 Hz) ... 5 (4000 Hz); nullptr for any other index.
    QCheckBox *Button(int index) const
    {
        QCheckBox *const boxes[] = {Button125HZ, Button250HZ, Button500HZ, Button1000HZ, Button2000HZ, Button4000HZ};
        return index >= 0 && index < 6 ? boxes[index] : nullptr;
    }

    void setupUi(QFrame *SensorRateB)
    {
        OptionFormB::Frame(SensorRateB, "SensorRateB", 709, 38, true);
        label = new QLabel(SensorRateB);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(0, 0, 100, 31));
        label->setFont(Skin::Font(11));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Button125HZ = OptionFormB::Box(SensorRateB, "Button125HZ", QRect(100, 7, 101, 20));
        Button250HZ = OptionFormB::Box(SensorRateB, "Button250HZ", QRect(200, 7, 101, 20));
        Button500HZ = OptionFormB::Box(SensorRateB, "Button500HZ", QRect(300, 7, 101, 20));
        Button1000HZ = OptionFormB::Box(SensorRateB, "Button1000HZ", QRect(400, 7, 101, 20));
        Button2000HZ = OptionFormB::Box(SensorRateB, "Button2000HZ", QRect(500, 7, 101, 20));
        Button4000HZ = OptionFormB::Box(SensorRateB, "Button4000HZ", QRect(600, 7, 101, 20));
        retranslateUi(SensorRateB);
        QMetaObject::connectSlotsByName(SensorRateB);
    }

    void retranslateUi(QFrame *SensorRateB)
    {
        SensorRateB->setWindowTitle(QCoreApplication::translate("SensorRateB", "Frame"));
        label->setText(QCoreApplication::translate("SensorRateB", "回报率"));
        const char *const texts[] = {"125HZ", "250HZ", "500HZ", "1000HZ", "2000HZ", "4000HZ"};
        for (int i = 0; i < 6; ++i)
            Button(i)->setText(QCoreApplication::translate("SensorRateB", texts[i]));
    }
};

class Ui_DebouncetimeB
{
public:
    QSlider *Debunce = nullptr;
    QSpinBox *spinBoxA = nullptr;

    void setupUi(QFrame *DebouncetimeB)
    {
        OptionFormB::Frame(DebouncetimeB, "DebouncetimeB", 280, 27, false);
        Debunce = new QSlider(DebouncetimeB);
        Debunce->setObjectName(QString::fromUtf8("Debunce"));
        Debunce->setGeometry(QRect(0, 5, 201, 20));
        Debunce->setFocusPolicy(Qt::NoFocus);
        Debunce->setOrientation(Qt::Horizontal);
        Debunce->setRange(1, 20);
        Debunce->setPageStep(1);
        Debunce->setTracking(false);
        spinBoxA = OptionFormB::NumberBox(DebouncetimeB, QRect(210, 5, 66, 20), 1);
        retranslateUi(DebouncetimeB);
        QMetaObject::connectSlotsByName(DebouncetimeB);
    }

    void retranslateUi(QFrame *DebouncetimeB)
    {
        DebouncetimeB->setWindowTitle(QCoreApplication::translate("DebouncetimeB", "Frame"));
    }
};

class Ui_DebouncetimeC
{
public:
    QToolButton *AddLevelA = nullptr;
    QToolButton *ReduceLevelA = nullptr;
    QSpinBox *spinBoxA = nullptr;

    void setupUi(QFrame *DebouncetimeC)
    {
        OptionFormB::Frame(DebouncetimeC, "DebouncetimeC", 165, 37, true);
        AddLevelA = new QToolButton(DebouncetimeC);
        AddLevelA->setObjectName(QString::fromUtf8("AddLevelA"));
        AddLevelA->setGeometry(QRect(140, 15, 14, 14));
        AddLevelA->setMinimumSize(QSize(14, 14));
        AddLevelA->setMaximumSize(QSize(14, 14));
        AddLevelA->setFocusPolicy(Qt::NoFocus);
        AddLevelA->setAutoRaise(true);

        ReduceLevelA = new QToolButton(DebouncetimeC);
        ReduceLevelA->setObjectName(QString::fromUtf8("ReduceLevelA"));
        ReduceLevelA->setEnabled(true);
        ReduceLevelA->setGeometry(QRect(20, 22, 14, 4));
        ReduceLevelA->setMinimumSize(QSize(14, 4));
        ReduceLevelA->setMaximumSize(QSize(14, 1));
        ReduceLevelA->setFocusPolicy(Qt::NoFocus);
        ReduceLevelA->setAutoRaise(true);

        spinBoxA = OptionFormB::NumberBox(DebouncetimeC, QRect(40, 5, 91, 31), 0);
        spinBoxA->setSuffix(QString());
        retranslateUi(DebouncetimeC);
        QMetaObject::connectSlotsByName(DebouncetimeC);
    }

    void retranslateUi(QFrame *DebouncetimeC)
    {
        DebouncetimeC->setWindowTitle(QCoreApplication::translate("DebouncetimeC", "Frame"));
        ReduceLevelA->setText(QCoreApplication::translate("DebouncetimeC", "..."));
    }
};
