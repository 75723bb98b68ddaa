#pragma once
// Form of the lift-off selector: a caption and the combo "LOD" (1 mm, 2 mm).

#include "MyConmboBox.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>

class Ui_SensorLOD
{
public:
    QLabel *label = nullptr;
    MyConmboBox *LOD = nullptr;

    void setupUi(QFrame *SensorLOD)
    {
        if (SensorLOD->objectName().isEmpty())
            SensorLOD->setObjectName(QString::fromUtf8("SensorLOD"));
        SensorLOD->resize(131, 61);
        SensorLOD->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        SensorLOD->setFrameShape(QFrame::StyledPanel);
        SensorLOD->setFrameShadow(QFrame::Raised);

        label = new QLabel(SensorLOD);
        label->setObjectName(QString::fromUtf8("label"));
        label->setGeometry(QRect(0, 0, 151, 17));
        label->setFont(Skin::Font(11));
        label->setFocusPolicy(Qt::NoFocus);
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);

        LOD = new MyConmboBox(SensorLOD);
        LOD->addItem(QString());
        LOD->addItem(QString());
        LOD->setObjectName(QString::fromUtf8("LOD"));
        LOD->setEnabled(false);
        LOD->setGeometry(QRect(0, 30, 130, 30));
        LOD->setMaximumSize(QSize(130, 30));
        LOD->setFont(Skin::Font(11));
        LOD->setFocusPolicy(Qt::NoFocus);

        retranslateUi(SensorLOD);
        QMetaObject::connectSlotsByName(SensorLOD);
    }

    void retranslateUi(QFrame *SensorLOD)
    {
        SensorLOD->setWindowTitle(QCoreApplication::translate("SensorLOD", "Frame"));
        label->setText(QCoreApplication::translate("SensorLOD", " LOD"));
        LOD->setItemText(0, QCoreApplication::translate("SensorLOD", "1mm"));
        LOD->setItemText(1, QCoreApplication::translate("SensorLOD", "2mm"));
    }
};
