#include "MessageDialog.h"

#include "ButtonText.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

MessageForm::Layout MessageForm::Notice(const QString &dialogName, const QString &frameName, const QRect &labelGeometry,
                                        const QString &labelText, const QList<Button> &buttons)
{
    Layout layout;
    layout.dialogName = dialogName;
    layout.frameName = frameName;
    layout.labelGeometry = labelGeometry;
    layout.labelText = labelText;
    layout.buttons = buttons;
    return layout;
}

MessageForm::Button MessageForm::NewHong(const QPoint &position)
{
    return {QStringLiteral("NewHong"), QRect(position, QSize(90, 24)), QString::fromUtf8("确定")};
}

void MessageForm::setupUi(QDialog *dialog, const Layout &layout)
{
    m_Layout = layout;
    SkeletonForm::SetupDialog(dialog, layout.dialogName, layout.dialogSize);
    if (layout.dialogMinimum.isValid())
        dialog->setMinimumSize(layout.dialogMinimum);
    if (layout.dialogMaximum.isValid())
        dialog->setMaximumSize(layout.dialogMaximum);
    frame = SkeletonForm::Frame(dialog, layout.frameName, layout.frameGeometry);
    if (layout.frameFixed) {
        frame->setMinimumSize(layout.frameGeometry.size());
        frame->setMaximumSize(layout.frameGeometry.size());
    }
    CloseButton = SkeletonForm::CloseButton(frame, layout.closePosition);
    label = SkeletonForm::Label(frame, QStringLiteral("label"), layout.labelGeometry);
    for (const Button &button : layout.buttons)
        answerButtons << SkeletonForm::AnswerButton(frame, button.name, button.geometry);
    retranslateUi(dialog);
}

void MessageForm::retranslateUi(QDialog *)
{
    label->setText(
        QCoreApplication::translate(m_Layout.dialogName.toUtf8().constData(), m_Layout.labelText.toUtf8().constData()));
    for (int i = 0; i < answerButtons.size(); ++i)
        answerButtons.at(i)->setText(m_Layout.buttons.at(i).text);
}

QToolButton *MessageForm::Answer(const QString &name) const
{
    for (QToolButton *button : answerButtons)
        if (button->objectName() == name)
            return button;
    return nullptr;
}

MessageDialog::MessageDialog(const MessageForm::Layout &layout, const QString &section, QWidget *parent,
                             const MessageForm::Look &look)
    : DialogSkeleton(parent)
    , ui(new MessageForm)
    , m_Section(section)
{
    ui->setupUi(this, layout);
    InitSkeleton();
    if (look.fixedSize)
        setFixedSize(width(), height());

    // Each colour is read once, even where it goes on several buttons.
    ui->label->setStyleSheet(LabelSheet(::Skin::Rgb(QStringLiteral("LabelColor"))));
    if (!ui->answerButtons.isEmpty()) {
        const QString confirm = ConfirmSheet(::Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath,
                                             look.confirmImage, look.confirmPressedImage);
        for (QToolButton *button : ui->answerButtons)
            button->setStyleSheet(confirm);
    }
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->frame->setStyleSheet(BackgroundSheet(layout.frameName, m_PicturePath, look.backgroundEnding));
}

MessageDialog::~MessageDialog()
{
    delete ui;
}

void MessageDialog::FinishConstruction()
{
    QMetaObject::connectSlotsByName(this);
    LoadStoredLanguage();
}

QString MessageDialog::LanguageSection() const
{
    return m_Section;
}

LanguageLoader::KeyTable MessageDialog::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    for (QToolButton *button : ui->answerButtons) {
        // A button that answers a fixed key keeps it through every language change.
        keys.insert(button->objectName(), [button](const QString &text) { SetTextKeepShortcut(button, text); });
    }
    return keys;
}

void MessageDialog::AddLabelChoice(LanguageLoader::KeyTable &keys, const QString &child, const int *selector, int value)
{
    keys.insert(child, [this, selector, value](const QString &text) {
        if (*selector == value)
            ui->label->setText(text);
    });
}
