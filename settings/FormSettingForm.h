#pragma once
// Form of the settings page: a scrollable column of sections (language,
// device information, pairing, other, advanced) with the object names the
// style sheets, the language file and the by-name slot connection rely on.
// The content is 880 x 780 as built; the page shrinks it to its compact
// 880 x 630 until the receiver LED section is shown.

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

#include "MyButton.h"
#include "MyConmboBox.h"
#include "Skin.h"

class Ui_FormSetting
{
public:
    QFrame *FrameSetting = nullptr;
    QScrollArea *scrollArea = nullptr;
    QWidget *scrollAreaWidgetContents = nullptr;
    QToolButton *TitleButton_2 = nullptr;
    QLabel *label_2 = nullptr;
    MyConmboBox *comboBox = nullptr;
    QToolButton *TitleButton_3 = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_4 = nullptr;
    QLabel *label_5 = nullptr;
    QLabel *label_6 = nullptr;
    QLabel *label_7 = nullptr;
    QToolButton *Receive = nullptr;
    QToolButton *Mouse = nullptr;
    QToolButton *TitleButton_4 = nullptr;
    QLabel *label_8 = nullptr;
    QPushButton *pushButton_2 = nullptr;
    QToolButton *TitleButton_5 = nullptr;
    QLabel *label_9 = nullptr;
    QLabel *label_10 = nullptr;
    QToolButton *toolButton = nullptr;
    MyButton *pushButton = nullptr;
    QToolButton *TitleButton_6 = nullptr;
    QLabel *label_11 = nullptr;
    QTextEdit *textEdit = nullptr;
    QLabel *label = nullptr;
    QPushButton *pushButton_4 = nullptr;
    QCheckBox *checkBox = nullptr;
    QCheckBox *checkBox_2 = nullptr;
    QToolButton *toolButton_2 = nullptr;
    QLabel *label_12 = nullptr;
    QToolButton *toolButton_3 = nullptr;
    QLabel *label_13 = nullptr;
    QToolButton *TitleButton_7 = nullptr;
    QLabel *label_14 = nullptr;
    QCheckBox *ReUntil = nullptr;
    QCheckBox *ReUntil_2 = nullptr;
    QCheckBox *ReUntil_3 = nullptr;
    QTextEdit *textEdit_2 = nullptr;
    QTextEdit *textEdit_3 = nullptr;
    QTextEdit *textEdit_4 = nullptr;
    QFrame *line = nullptr;
    QFrame *line_2 = nullptr;
    QFrame *line_3 = nullptr;
    QFrame *line_4 = nullptr;
    QFrame *line_5 = nullptr;
    QTextEdit *NewLabel = nullptr;
    MyButton *pushButton_3 = nullptr;

    void setupUi(QWidget *FormSetting)
    {
        if (FormSetting->objectName().isEmpty())
            FormSetting->setObjectName(QStringLiteral("FormSetting"));
        FormSetting->resize(883, 630);
        FormSetting->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

        FrameSetting = new QFrame(FormSetting);
        FrameSetting->setObjectName(QStringLiteral("FrameSetting"));
        FrameSetting->setGeometry(0, 0, 883, 630);
        FrameSetting->setFrameShape(QFrame::StyledPanel);
        FrameSetting->setFrameShadow(QFrame::Raised);
        FrameSetting->setStyleSheet(QStringLiteral(
            "#FormSetting{}"
            "QScrollArea{background: transparent;}"
            "QScrollBar:vertical{border: none;background: rgb(28,28,28);color: rgb(28,28,28);width: 13px;"
            "margin: 2px 0 2px 0;}"
            "QScrollBar::handle:vertical{border: 0px solid rgb(28,28,28);background: rgb(63,63,63);"
            "border-radius: 3px;min-height: 30px;margin: 0px 2px 0px 2px;}"
            "QScrollBar::handle:vertical:pressed{background: rgb(63,63,63);}"
            "QScrollBar::add-line:vertical{height: 25px;background: rgb(28,28,28);subcontrol-position: bottom;"
            "subcontrol-origin: margin;}"
            "QScrollBar::sub-line:vertical{height: 25px;background: rgb(28,28,28);subcontrol-position: top;"
            "subcontrol-origin: margin;}"
            "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical,QScrollBar::up-arrow:vertical,"
            "QScrollBar::down-arrow:vertical{background: transparent;border: none;}"));

        scrollArea = new QScrollArea(FrameSetting);
        scrollArea->setObjectName(QStringLiteral("scrollArea"));
        scrollArea->setGeometry(0, 0, 880, 630);
        scrollArea->setFixedSize(880, 630);
        scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scrollArea->setWidgetResizable(true);

        // Made where it goes: moved there, the whole column would be styled
        // again under the page's sheets.
        scrollAreaWidgetContents = new QWidget(scrollArea->viewport());
        scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
        scrollAreaWidgetContents->setGeometry(0, 0, 880, 780);
        scrollAreaWidgetContents->setMinimumSize(880, 780);
        scrollAreaWidgetContents->setMaximumSize(881, 780);
        QWidget *c = scrollAreaWidgetContents;

        TitleButton_2 = titleMark(c, "TitleButton_2", 20);
        label_2 = newLabel(c, "label_2", QRect(70, 13, 291, 21), 11);

        comboBox = new MyConmboBox(c);
        comboBox->setObjectName(QStringLiteral("comboBox"));
        comboBox->setGeometry(40, 50, 142, 30);
        comboBox->setFixedSize(142, 30);
        comboBox->setFont(Skin::Font(10));
        comboBox->setFocusPolicy(Qt::NoFocus);
        for (int i = 0; i < 4; ++i)
            comboBox->addItem(QString());

        TitleButton_3 = titleMark(c, "TitleButton_3", 120);
        label_3 = newLabel(c, "label_3", QRect(70, 113, 261, 21), 11);
        label_4 = newLabel(c, "label_4", QRect(40, 155, 231, 21), 9);
        label_5 = newLabel(c, "label_5", QRect(230, 155, 51, 21), 11);
        label_6 = newLabel(c, "label_6", QRect(40, 185, 231, 20), 9);
        label_7 = newLabel(c, "label_7", QRect(230, 185, 51, 21), 11);

        Receive = newToolButton(c, "Receive", QRect(280, 155, 128, 26), 10);
        Receive->setFixedSize(128, 26);
        Receive->setAutoRaise(true);
        Mouse = newToolButton(c, "Mouse", QRect(280, 185, 128, 26), 10);
        Mouse->setFixedSize(128, 26);

        TitleButton_4 = titleMark(c, "TitleButton_4", 260);
        label_8 = newLabel(c, "label_8", QRect(70, 253, 341, 21), 11);

        pushButton_2 = new QPushButton(c);
        pushButton_2->setObjectName(QStringLiteral("pushButton_2"));
        pushButton_2->setGeometry(40, 290, 112, 26);
        pushButton_2->setFixedSize(112, 26);
        pushButton_2->setFont(Skin::Font(10));
        pushButton_2->setFocusPolicy(Qt::NoFocus);

        TitleButton_5 = titleMark(c, "TitleButton_5", 350);
        label_9 = newLabel(c, "label_9", QRect(70, 343, 301, 21), 11);
        // The interface face's 11 pt line is 23 px, most of it above the
        // baseline, and its ink 15 to 16 px: centred in the 16 px caption it
        // loses its descenders, and no placement keeps all of it. At 9 pt, as
        // the firmware captions above, sat on the caption's bottom, the ink of
        // every language fits.
        label_10 = newLabel(c, "label_10", QRect(70, 380, 351, 16), 9);
        label_10->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

        toolButton = new QToolButton(c);
        toolButton->setObjectName(QStringLiteral("toolButton"));
        toolButton->setGeometry(40, 420, 14, 20);
        toolButton->setFocusPolicy(Qt::NoFocus);

        pushButton = new MyButton(c);
        pushButton->setObjectName(QStringLiteral("pushButton"));
        pushButton->setGeometry(60, 420, 291, 21);
        QFont underlined = Skin::Font(11);
        underlined.setUnderline(true);
        pushButton->setFont(underlined);
        pushButton->setFocusPolicy(Qt::NoFocus);

        TitleButton_6 = titleMark(c, "TitleButton_6", 480);
        label_11 = newLabel(c, "label_11", QRect(70, 473, 221, 21), 11);

        textEdit = newNote(c, "textEdit", QRect(65, 505, 701, 51));

        label = newLabel(c, "label", QRect(600, 20, 251, 20), 11);
        label->setAlignment(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);

        pushButton_4 = new QPushButton(c);
        pushButton_4->setObjectName(QStringLiteral("pushButton_4"));
        pushButton_4->setGeometry(490, 750, 371, 23);
        pushButton_4->setFont(Skin::Font(11));
        pushButton_4->setFocusPolicy(Qt::NoFocus);

        checkBox = newCheckBox(c, "checkBox", QRect(40, 380, 21, 17));
        checkBox_2 = newCheckBox(c, "checkBox_2", QRect(40, 510, 21, 17));

        toolButton_2 = hintIcon(c, "toolButton_2", QRect(460, 160, 14, 14));
        label_12 = newLabel(c, "label_12", QRect(490, 158, 351, 21), -1);
        label_12->setStyleSheet(QStringLiteral("color: rgb(255, 106, 0);"));
        toolButton_3 = hintIcon(c, "toolButton_3", QRect(460, 190, 14, 14));
        label_13 = newLabel(c, "label_13", QRect(490, 187, 361, 21), -1);
        label_13->setStyleSheet(QStringLiteral("color: rgb(255, 106, 0);"));

        TitleButton_7 = titleMark(c, "TitleButton_7", 560);
        label_14 = newLabel(c, "label_14", QRect(70, 553, 501, 21), 11);

        ReUntil = ledBox(c, "ReUntil", 580);
        ReUntil_2 = ledBox(c, "ReUntil_2", 620);
        ReUntil_3 = ledBox(c, "ReUntil_3", 660);
        textEdit_2 = newNote(c, "textEdit_2", QRect(90, 580, 731, 41));
        textEdit_3 = newNote(c, "textEdit_3", QRect(90, 620, 731, 41));
        textEdit_4 = newNote(c, "textEdit_4", QRect(90, 660, 731, 41));
        for (QTextEdit *note : {textEdit_2, textEdit_3, textEdit_4}) {
            note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }

        line = separator(c, "line", 95);
        line_2 = separator(c, "line_2", 250);
        line_3 = separator(c, "line_3", 325);
        line_4 = separator(c, "line_4", 455);
        line_5 = separator(c, "line_5", 705);

        NewLabel = newNote(c, "NewLabel", QRect(37, 213, 821, 37));
        NewLabel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        NewLabel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        NewLabel->setStyleSheet(QStringLiteral("color: rgb(255, 106, 0);"));

        pushButton_3 = new MyButton(c);
        pushButton_3->setObjectName(QStringLiteral("pushButton_3"));
        pushButton_3->setGeometry(610, 730, 251, 23);
        QFont italic = Skin::Font(11);
        italic.setItalic(true);
        pushButton_3->setFont(italic);
        pushButton_3->setFocusPolicy(Qt::NoFocus);
        pushButton_3->setStyleSheet(QStringLiteral("text-align:right;"));

        retranslateUi(FormSetting);
    }

    // Puts the column into its scroll area, which shows and so polishes it,
    // then connects the slots by name (the column is in the page by then).
    // Called once the page has set its style sheets: a sheet set on a
    // polished widget restyles it again, several times what the first
    // styling costs.
    void assembleContents(QWidget *FormSetting)
    {
        scrollArea->setWidget(scrollAreaWidgetContents);
        QMetaObject::connectSlotsByName(FormSetting);
    }

    void retranslateUi(QWidget *)
    {
        comboBox->setItemText(0, QStringLiteral("English"));
        comboBox->setItemText(1, QString::fromUtf8("简体中文"));
        comboBox->setItemText(2, QString::fromUtf8("繁体中文"));
        comboBox->setItemText(3, QStringLiteral("Russia"));
        label_2->setText(QString::fromUtf8("语言"));
        label_3->setText(QString::fromUtf8("设备信息"));
        label_4->setText(QString::fromUtf8("接收器固件版本: "));
        label_5->setText(QString());
        label_6->setText(QString::fromUtf8("鼠标固件版本:"));
        label_7->setText(QString());
        Receive->setText(QStringLiteral("up-to-date"));
        Mouse->setText(QString::fromUtf8("检查更新"));
        label_8->setText(QString::fromUtf8("配对工具"));
        pushButton_2->setText(QString::fromUtf8("配对"));
        label_9->setText(QString::fromUtf8("其他"));
        label_10->setText(QString::fromUtf8("开机自动启动"));
        toolButton->setText(QStringLiteral("..."));
        pushButton->setText(QString::fromUtf8("Windows鼠标属性"));
        label_11->setText(QString::fromUtf8("高级设置"));
        label->setText(QString::fromUtf8("驱动版本: v1.0.0.1"));
        pushButton_4->setText(QStringLiteral("Orvik SE peripherals team"));
        pushButton_3->setText(QStringLiteral("https://www.example.com/orvik-se"));
        label_12->setText(QStringLiteral("TextLabel"));
        label_13->setText(QStringLiteral("TextLabel"));
        label_14->setText(QString::fromUtf8("选择接收器上的LED指示灯所传达的信息"));
        for (QTextEdit *note : {textEdit, textEdit_2, textEdit_3, textEdit_4, NewLabel})
            note->setHtml(defaultNote());
    }

private:
    static QString defaultNote()
    {
        return QString::fromUtf8(
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">"
            "<html><head><meta name=\"qrichtext\" content=\"1\" /></head>"
            "<body style=\" font-family:'微软雅黑'; font-size:9pt; font-weight:400; font-style:normal;\">"
            "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; "
            "text-indent:0px;\">远距离模式（远距离模式下，距离会更远抗干扰能力更强，相应工作电流会加大，使用时间减少）<"
            "/p>"
            "</body></html>");
    }

    static QLabel *newLabel(QWidget *parent, const char *name, const QRect &geometry, int pointSize)
    {
        auto *w = new QLabel(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(geometry);
        if (pointSize > 0)
            w->setFont(Skin::Font(pointSize));
        return w;
    }

    static QToolButton *newToolButton(QWidget *parent, const char *name, const QRect &geometry, int pointSize)
    {
        auto *w = new QToolButton(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(geometry);
        w->setFont(Skin::Font(pointSize));
        w->setFocusPolicy(Qt::NoFocus);
        return w;
    }

    // The small mark before each section caption.
    static QToolButton *titleMark(QWidget *parent, const char *name, int y)
    {
        auto *w = new QToolButton(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(40, y, 16, 10);
        w->setFixedSize(16, 10);
        w->setEnabled(false);
        w->setFocusPolicy(Qt::NoFocus);
        w->setAutoRaise(true);
        return w;
    }

    static QToolButton *hintIcon(QWidget *parent, const char *name, const QRect &geometry)
    {
        auto *w = new QToolButton(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(geometry);
        w->setFixedSize(geometry.size());
        w->setEnabled(false);
        QFont arial(QStringLiteral("Arial"));
        arial.setPointSize(11);
        w->setFont(arial);
        w->setFocusPolicy(Qt::NoFocus);
        w->setAutoRaise(true);
        return w;
    }

    static QCheckBox *newCheckBox(QWidget *parent, const char *name, const QRect &geometry)
    {
        auto *w = new QCheckBox(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(geometry);
        w->setMinimumHeight(17);
        w->setFont(Skin::Font(11));
        w->setFocusPolicy(Qt::NoFocus);
        return w;
    }

    static QCheckBox *ledBox(QWidget *parent, const char *name, int y)
    {
        auto *w = new QCheckBox(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(70, y, 16, 31);
        w->setFont(Skin::Font(9));
        QPalette palette = w->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, Qt::white);
        w->setPalette(palette);
        w->setChecked(false);
        w->setTristate(false);
        w->setFocusPolicy(Qt::NoFocus);
        return w;
    }

    // A read-only description block.
    static QTextEdit *newNote(QWidget *parent, const char *name, const QRect &geometry)
    {
        auto *w = new QTextEdit(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(geometry);
        w->setEnabled(false);
        w->setReadOnly(true);
        w->setFont(Skin::Font(9));
        return w;
    }

    static QFrame *separator(QWidget *parent, const char *name, int y)
    {
        auto *w = new QFrame(parent);
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(40, y, 781, 1);
        w->setFrameShape(QFrame::HLine);
        w->setFrameShadow(QFrame::Sunken);
        w->setStyleSheet(QStringLiteral("background-color:  rgb(53, 53, 53);"));
        return w;
    }
};
