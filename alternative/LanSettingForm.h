#pragma once
// Form of the older settings dialog: the language selector, the receiver and
// mouse firmware rows (caption, version, update button, a progress bar over
// each button), the warning line, the pairing button, the maker line and the
// web link, all on one 548 x 302 frame, with the object names the language
// section "Setting" and the by-name slot connection rely on.

#include "MyButton.h"
#include "MyConmboBox.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

class Ui_LanSetting
{
public:
    QHBoxLayout *horizontalLayout = nullptr;
    QFrame *Language = nullptr;
    QLabel *label = nullptr;
    MyConmboBox *comboBox = nullptr;
    QToolButton *CloseButton = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_4 = nullptr;
    MyButton *pushButton = nullptr;
    QPushButton *pushButton_2 = nullptr;
    QToolButton *Receive = nullptr;
    QToolButton *Mouse = nullptr;
    QPushButton *pushButton_3 = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_5 = nullptr;
    QProgressBar *progressBar = nullptr;
    QProgressBar *progressBar_2 = nullptr;
    QToolButton *toolButton_2 = nullptr;
    QLabel *label_6 = nullptr;

    // The maker's web address and maker line until Net.xml gives others.
    static QString BuiltInWebAddress() { return QStringLiteral("https://www.example.com/orvik-se"); }
    static QString BuiltInMakerLine() { return QStringLiteral("Orvik SE peripherals team"); }

    void setupUi(QDialog *dialog)
    {
        if (dialog->objectName().isEmpty())
            dialog->setObjectName(QStringLiteral("LanSetting"));
        dialog->resize(548, 302);
        dialog->setMinimumSize(548, 302);
        dialog->setMaximumSize(548, 302);

        horizontalLayout = new QHBoxLayout(dialog);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setSpacing(0);
        horizontalLayout->setContentsMargins(0, 0, 0, 0);

        Language = new QFrame(dialog);
        Language->setObjectName(QStringLiteral("Language"));
        Language->setFixedSize(548, 302);
        QFont arial(QStringLiteral("Arial"));
        arial.setPointSize(10);
        Language->setFont(arial);
        Language->setFrameShape(QFrame::StyledPanel);
        Language->setFrameShadow(QFrame::Raised);
        horizontalLayout->addWidget(Language);

        const QString white = QStringLiteral("color: rgb(255, 255, 255);");

        label = TextLabel(QStringLiteral("label"), QRect(15, 15, 141, 16), white);

        comboBox = new MyConmboBox(Language);
        comboBox->setObjectName(QStringLiteral("comboBox"));
        comboBox->setGeometry(QRect(350, 10, 142, 26));
        comboBox->setMinimumSize(142, 26);
        comboBox->setMaximumSize(142, 25);
        comboBox->setFont(Skin::Font(10));
        comboBox->setFocusPolicy(Qt::NoFocus);
        comboBox->addItem(QString());
        comboBox->addItem(QString());

        CloseButton = new QToolButton(Language);
        CloseButton->setObjectName(QStringLiteral("CloseButton"));
        CloseButton->setGeometry(QRect(525, 15, 14, 14));
        CloseButton->setFixedSize(14, 14);
        CloseButton->setFocusPolicy(Qt::NoFocus);
        CloseButton->setIconSize(QSize(30, 30));
        CloseButton->setAutoRaise(true);

        label_3 = TextLabel(QStringLiteral("label_3"), QRect(10, 108, 201, 21), white);
        label_4 = TextLabel(QStringLiteral("label_4"), QRect(10, 148, 191, 20), white);

        pushButton = new MyButton(Language);
        pushButton->setObjectName(QStringLiteral("pushButton"));
        pushButton->setGeometry(QRect(168, 245, 371, 23));
        QFont link = Skin::Font(11);
        link.setItalic(true);
        link.setUnderline(false);
        pushButton->setFont(link);
        pushButton->setFocusPolicy(Qt::NoFocus);
        pushButton->setLayoutDirection(Qt::LeftToRight);

        pushButton_2 = new QPushButton(Language);
        pushButton_2->setObjectName(QStringLiteral("pushButton_2"));
        pushButton_2->setGeometry(QRect(15, 268, 94, 24));
        pushButton_2->setFixedSize(94, 24);
        pushButton_2->setFont(Skin::Font(11));
        pushButton_2->setFocusPolicy(Qt::TabFocus);

        Receive = UpdateButton(QStringLiteral("Receive"), QRect(300, 105, 142, 26));
        Receive->setAutoRaise(true);
        Mouse = UpdateButton(QStringLiteral("Mouse"), QRect(300, 145, 142, 26));

        pushButton_3 = new QPushButton(Language);
        pushButton_3->setObjectName(QStringLiteral("pushButton_3"));
        pushButton_3->setGeometry(QRect(168, 270, 371, 23));
        pushButton_3->setFont(Skin::Font(11));
        pushButton_3->setFocusPolicy(Qt::NoFocus);
        pushButton_3->setLayoutDirection(Qt::LeftToRight);

        label_2 = TextLabel(QStringLiteral("label_2"), QRect(210, 108, 81, 21), white);
        label_5 = TextLabel(QStringLiteral("label_5"), QRect(210, 148, 81, 21), white);

        progressBar = Bar(QStringLiteral("progressBar"), QRect(300, 145, 142, 26), 24);
        progressBar_2 = Bar(QStringLiteral("progressBar_2"), QRect(300, 105, 142, 26), 50);
        progressBar_2->setInvertedAppearance(false);
        progressBar_2->setTextDirection(QProgressBar::TopToBottom);

        toolButton_2 = new QToolButton(Language);
        toolButton_2->setObjectName(QStringLiteral("toolButton_2"));
        toolButton_2->setGeometry(QRect(90, 180, 18, 18));
        toolButton_2->setFixedSize(18, 18);
        toolButton_2->setEnabled(false);
        QFont arial11(QStringLiteral("Arial"));
        arial11.setPointSize(11);
        toolButton_2->setFont(arial11);
        toolButton_2->setFocusPolicy(Qt::NoFocus);
        toolButton_2->setAutoRaise(true);

        label_6 = new QLabel(Language);
        label_6->setObjectName(QStringLiteral("label_6"));
        label_6->setGeometry(QRect(120, 180, 301, 21));
        // Orange; the form's "rgba(255, 106, 0)" lacks its alpha and would
        // not parse.
        label_6->setStyleSheet(QStringLiteral("color: rgb(255, 106, 0);"));

        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *dialog)
    {
        dialog->setWindowTitle(QCoreApplication::translate("LanSetting", "Dialog"));
        label->setText(QString::fromUtf8("驱动版本: v1.0"));
        comboBox->setItemText(0, QStringLiteral("English"));
        comboBox->setItemText(1, QString::fromUtf8("简体中文"));
        CloseButton->setText(QString());
        label_3->setText(QString(20, QLatin1Char(' ')) + QString::fromUtf8("接收器固件版本: "));
        label_4->setText(QString(20, QLatin1Char(' ')) + QString::fromUtf8("鼠标固件版本:"));
        pushButton->setText(BuiltInWebAddress());
        pushButton_2->setText(QString::fromUtf8("配对工具"));
        Receive->setText(QString::fromUtf8("检查更新"));
        Mouse->setText(QString::fromUtf8("检查更新"));
        pushButton_3->setText(BuiltInMakerLine());
        label_2->setText(QStringLiteral("V1.0"));
        label_5->setText(QStringLiteral("V1.0"));
        progressBar->setFormat(QString());
        progressBar_2->setFormat(QString());
        toolButton_2->setText(QString());
        label_6->setText(QStringLiteral("TextLabel"));
    }

private:
    QLabel *TextLabel(const QString &name, const QRect &geometry, const QString &sheet)
    {
        auto *l = new QLabel(Language);
        l->setObjectName(name);
        l->setGeometry(geometry);
        l->setFont(Skin::Font(11));
        l->setStyleSheet(sheet);
        return l;
    }

    QToolButton *UpdateButton(const QString &name, const QRect &geometry)
    {
        auto *b = new QToolButton(Language);
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setFixedSize(geometry.size());
        b->setFont(Skin::Font(11));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    }

    QProgressBar *Bar(const QString &name, const QRect &geometry, int value)
    {
        auto *bar = new QProgressBar(Language);
        bar->setObjectName(name);
        bar->setGeometry(geometry);
        bar->setFont(Skin::Font(11));
        bar->setValue(value);
        bar->setStyleSheet(QStringLiteral("QProgressBar{border: 2px solid grey;border-radius: 5px;"
                                          "background-color: TRANSPARENT;color: rgb(255, 255, 255);}"
                                          "QProgressBar::chunk{background-color: rgb(80, 240, 0);width: 20px;}"
                                          "QProgressBar{border: 2px solid grey;border-radius: 5px;"
                                          "text-align: center;}"));
        return bar;
    }
};
