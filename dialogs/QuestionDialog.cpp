#include "QuestionDialog.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QToolButton>

class Ui_QuestionDialog
{
public:
    QFrame *Question;
    QLabel *label;
    QToolButton *CloseButton;
    QLineEdit *lineEdit;
    QToolButton *NewHong;
    QToolButton *NewHong_2;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("QuestionDialog"), QSize(300, 140));
        dialog->setMinimumSize(QSize(300, 140));
        dialog->setMaximumSize(QSize(300, 140));
        Question = SkeletonForm::Frame(dialog, QStringLiteral("Question"), QRect(0, 0, 300, 140));
        Question->setMinimumSize(QSize(300, 140));
        Question->setMaximumSize(QSize(300, 140));
        label = SkeletonForm::Label(Question, QStringLiteral("label"), QRect(30, 20, 241, 41));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignBottom);
        CloseButton = SkeletonForm::CloseButton(Question, QPoint(275, 5));
        lineEdit = new QLineEdit(Question);
        lineEdit->setObjectName(QStringLiteral("lineEdit"));
        lineEdit->setGeometry(QRect(30, 70, 241, 20));
        lineEdit->setFont(Skin::Font(QFont().pointSize()));
        lineEdit->setMaxLength(32767);
        lineEdit->setAlignment(Qt::AlignCenter);
        lineEdit->setInputMask(QString());
        NewHong = SkeletonForm::AnswerButton(Question, QStringLiteral("NewHong"), QRect(50, 110, 90, 24));
        NewHong_2 = SkeletonForm::AnswerButton(Question, QStringLiteral("NewHong_2"), QRect(170, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("QuestionDialog", "Please create a macro first"));
        NewHong->setText(QString::fromUtf8("确认"));
        NewHong_2->setText(QString::fromUtf8("取消"));
    }
};

QuestionDialog::QuestionDialog(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_QuestionDialog)
{
    ui->setupUi(this);
    InitSkeleton();
    setFixedSize(width(), height());
    // The cancel button has no slot named after it.
    connect(ui->NewHong_2, SIGNAL(clicked()), this, SLOT(WindowClosedLan()));

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    const QString buttonRgb = Skin::Rgb(QStringLiteral("ButtonColor"));
    ui->NewHong->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->NewHong_2->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->Question->setStyleSheet(BackgroundSheet(QStringLiteral("Question"), m_PicturePath));
    ui->lineEdit->setStyleSheet(LineEditSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));

    const int index = LanguageLoader::StoredIndex();
    ui->lineEdit->setFocus(Qt::ActiveWindowFocusReason);
    SlotChangeLanguage(index);
}

QuestionDialog::~QuestionDialog()
{
    delete ui;
}

void QuestionDialog::ShowText(int second)
{
    ui->label->setText(second != 0 ? m_Label2Text : m_LabelText);
}

QString QuestionDialog::NameRule(const QString &text)
{
    QString t = text;
    if (t.endsWith(QLatin1Char(' ')))
        t.remove(QLatin1Char(' '));
    if (t.toLocal8Bit().size() <= NameMaxBytes)
        return t;

    // Keep the longest beginning that fits, ending on a character boundary
    // (never inside a surrogate pair or a multi-byte character, nor between
    // a letter and its combining marks).
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, t);
    int keep = 0;
    int bytes = 0;
    for (int pos = finder.toNextBoundary(); pos > 0; pos = finder.toNextBoundary()) {
        bytes += t.mid(keep, pos - keep).toLocal8Bit().size();
        if (bytes > NameMaxBytes)
            break;
        keep = pos;
    }
    return t.left(keep);
}

void QuestionDialog::WindowClosedLan()
{
    m_Name.clear();
    close();
}

void QuestionDialog::on_CloseButton_clicked()
{
    m_Name.clear();
    close();
}

void QuestionDialog::on_NewHong_clicked()
{
    m_Name = ui->lineEdit->text();
    close();
}

void QuestionDialog::on_lineEdit_textEdited(const QString &text)
{
    // Written back on every edit, so the cursor always ends after the text.
    ui->lineEdit->setText(NameRule(text));
}

QString QuestionDialog::LanguageSection() const
{
    return QStringLiteral("Question");
}

LanguageLoader::KeyTable QuestionDialog::LanguageKeys()
{
    // The prompts are only stored; ShowText puts one of them on the label.
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { m_LabelText = text; });
    keys.insert(QStringLiteral("label_2"), [this](const QString &text) { m_Label2Text = text; });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    keys.insert(QStringLiteral("NewHong_2"), [this](const QString &text) { ui->NewHong_2->setText(text); });
    return keys;
}
