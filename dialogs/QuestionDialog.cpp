#include "QuestionDialog.h"

#include "EntryForm.h"
#include "Skin.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QToolButton>

namespace {

MessageForm::Layout Layout()
{
    MessageForm::Layout layout =
        EntryForm::Layout(QStringLiteral("QuestionDialog"), QStringLiteral("Question"), QRect(30, 20, 241, 41),
                          QStringLiteral("Please create a macro first"), 50, 170, QString::fromUtf8("确认"));
    layout.dialogMinimum = layout.dialogMaximum = QSize(300, 140);
    return layout;
}

MessageForm::Look FixedSizeLook()
{
    MessageForm::Look look;
    look.fixedSize = true;
    return look;
}

} // namespace

QuestionDialog::QuestionDialog(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("Question"), parent, FixedSizeLook())
{
    m_LineEdit = EntryForm::AddEntry<QLineEdit>(ui, QStringLiteral("lineEdit"), QRect(30, 70, 241, 20));
    m_LineEdit->setFont(Skin::Font(QFont().pointSize()));
    m_LineEdit->setMaxLength(32767);
    m_LineEdit->setAlignment(Qt::AlignCenter);
    m_LineEdit->setInputMask(QString());

    // The cancel button has no slot named after it.
    connect(ui->Answer(QStringLiteral("NewHong_2")), &QToolButton::clicked, this, &QuestionDialog::WindowClosedLan);
    m_LineEdit->setStyleSheet(LineEditSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));

    m_LineEdit->setFocus(Qt::ActiveWindowFocusReason);
    FinishConstruction();
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
    m_Name = m_LineEdit->text();
    close();
}

void QuestionDialog::on_lineEdit_textEdited(const QString &text)
{
    // Written back on every edit, so the cursor always ends after the text.
    m_LineEdit->setText(NameRule(text));
}

LanguageLoader::KeyTable QuestionDialog::LanguageKeys()
{
    // The prompts are only stored; ShowText puts one of them on the label.
    LanguageLoader::KeyTable keys = MessageDialog::LanguageKeys();
    keys.insert(QStringLiteral("label"), [this](const QString &text) { m_LabelText = text; });
    keys.insert(QStringLiteral("label_2"), [this](const QString &text) { m_Label2Text = text; });
    return keys;
}
