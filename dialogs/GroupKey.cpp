#include "GroupKey.h"

#include "GroupMaxThree.h"
#include "KeyVocabulary.h"
#include "KeyboardHook.h"
#include "MyLineEdit.h"
#include "Skin.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

qint64 GroupKey::s_ClockSkew = 0;

namespace {

QCheckBox *modifierBox(QWidget *parent, const QString &name, const QRect &geometry, const QString &text)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setMinimumSize(QSize(0, 17));
    box->setFont(Skin::Font(11));
    box->setText(text);
    return box;
}

} // namespace

class Ui_GroupKey
{
public:
    QFrame *groupKeyA;
    QLabel *label;
    QToolButton *CloseButton;
    MyLineEdit *lineEdit;
    QCheckBox *Shift;
    QCheckBox *Ctrl;
    QCheckBox *Alt;
    QCheckBox *Win;
    QToolButton *NewHong;
    QToolButton *NewHong_2;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("GroupKey"), QSize(300, 140));
        dialog->setMinimumSize(QSize(300, 140));
        dialog->setMaximumSize(QSize(300, 140));
        groupKeyA = SkeletonForm::Frame(dialog, QStringLiteral("groupKeyA"), QRect(0, 0, 300, 140));
        groupKeyA->setMinimumSize(QSize(300, 140));
        groupKeyA->setMaximumSize(QSize(300, 140));
        label = SkeletonForm::Label(groupKeyA, QStringLiteral("label"), QRect(45, 9, 231, 51));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignBottom);
        CloseButton = SkeletonForm::CloseButton(groupKeyA, QPoint(275, 5));
        lineEdit = new MyLineEdit(groupKeyA);
        lineEdit->setObjectName(QStringLiteral("lineEdit"));
        lineEdit->setGeometry(QRect(45, 60, 231, 20));
        lineEdit->setFont(Skin::Font(QFont().pointSize()));
        lineEdit->setAlignment(Qt::AlignCenter);
        lineEdit->setReadOnly(false);
        Shift = modifierBox(groupKeyA, QStringLiteral("Shift"), QRect(45, 85, 61, 17), QStringLiteral("shift"));
        Ctrl = modifierBox(groupKeyA, QStringLiteral("Ctrl"), QRect(110, 85, 51, 17), QStringLiteral("Ctrl"));
        Alt = modifierBox(groupKeyA, QStringLiteral("Alt"), QRect(170, 85, 51, 17), QStringLiteral("Alt"));
        Win = modifierBox(groupKeyA, QStringLiteral("Win"), QRect(225, 85, 61, 17), QStringLiteral("Win"));
        NewHong = SkeletonForm::AnswerButton(groupKeyA, QStringLiteral("NewHong"), QRect(50, 110, 90, 24));
        NewHong_2 = SkeletonForm::AnswerButton(groupKeyA, QStringLiteral("NewHong_2"), QRect(170, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("GroupKey", "Please enter keystroke"));
        NewHong->setText(QString::fromUtf8("确定"));
        NewHong_2->setText(QString::fromUtf8("取消"));
    }
};

GroupKey::GroupKey(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_GroupKey)
{
    ui->setupUi(this);
    InitSkeleton();

    m_Hook = new KeyboardHook(KeyboardHook::GroupKeyInstance);
    m_Hook->InstallHook();
    m_Hook->SetCallback([this](int keyCode, bool downOrUp, bool aotu) { UpdateCapslockTip(keyCode, downOrUp, aotu); },
                        this);

    ui->lineEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
    ui->lineEdit->setFocus(Qt::OtherFocusReason);

    const QString labelRgb = Skin::Rgb(QStringLiteral("LabelColor"));
    ui->label->setStyleSheet(LabelSheet(labelRgb));
    const QString buttonRgb = Skin::Rgb(QStringLiteral("ButtonColor"));
    ui->NewHong->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->NewHong_2->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->lineEdit->setStyleSheet(LineEditSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->groupKeyA->setStyleSheet(BackgroundSheet(QStringLiteral("groupKeyA"), m_PicturePath));
    const QString boxSheet = QStringLiteral("QCheckBox{color: rgb(") + labelRgb
        + QStringLiteral(";);}QCheckBox::indicator:checked {image: url(") + m_PicturePath
        + QStringLiteral("CheckBoxCheck.png);}QCheckBox::indicator:unchecked {image: url(") + m_PicturePath
        + QStringLiteral("CheckBox.png);}");
    ui->Shift->setStyleSheet(boxSheet);
    ui->Ctrl->setStyleSheet(boxSheet);
    ui->Alt->setStyleSheet(boxSheet);
    ui->Win->setStyleSheet(boxSheet);

    LoadStoredLanguage();
}

GroupKey::~GroupKey()
{
    // However the dialog ended (its buttons, or a close request of the window
    // system), the hook must not report to a dialog that is gone.
    m_Hook->UnInstallHook();
    m_Hook->ClearCallback(this);
    delete m_Hook;
    delete ui;
}

void GroupKey::AdvanceClockForTest(qint64 ms)
{
    s_ClockSkew += ms;
}

qint64 GroupKey::CaptureElapsed() const
{
    return m_CaptureTimer.elapsed() + (s_ClockSkew - m_CaptureSkewAtStart);
}

void GroupKey::RestartCapture()
{
    m_CaptureTimer.restart();
    m_CaptureSkewAtStart = s_ClockSkew;
}

void GroupKey::UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu)
{
    Q_UNUSED(aotu)
    if (!downOrUp)
        return;

    // The window runs from the first press of a capture, not from the latest.
    if (m_FirstKey) {
        RestartCapture();
        m_FirstKey = false;
    } else if (CaptureElapsed() > CaptureWindowMs) {
        ui->lineEdit->clear();
        m_LastKey = -1;
        RestartCapture();
    }

    if (keyCode == m_LastKey)
        return; // auto-repeat, or the same key again

    m_LastKey = keyCode;
    const QString name = GroupKeyVirtualKeyName(keyCode);
    const QString text = ui->lineEdit->text();
    m_PlusCount = text.count(QLatin1Char('+'));

    if (m_PlusCount == 2) {
        // The line holds three keys: this one starts a new line.
        m_PlusCount = 0;
        m_LastKey = keyCode;
        ui->lineEdit->clear();
        ui->lineEdit->setText(name);
    } else if (!text.contains(name)) {
        if (text.isEmpty()) {
            ui->lineEdit->setText(name);
        } else {
            ui->lineEdit->setText(text + QLatin1Char('+') + name);
            if (m_PlusCount == 1)
                m_LastKey = -1; // the third key again starts a new line
        }
    }
}

void GroupKey::on_lineEdit_textEdited(const QString &text)
{
    ui->lineEdit->setText(text.toUpper());
}

void GroupKey::on_NewHong_clicked()
{
    m_KeyGroup.clear();
    int n = 0;
    const struct {
        QCheckBox *box;
        const char *name;
    } modifiers[] = {{ui->Shift, "Shift"}, {ui->Ctrl, "Ctrl"}, {ui->Alt, "Alt"}, {ui->Win, "Win"}};
    for (const auto &modifier : modifiers) {
        if (!modifier.box->isChecked())
            continue;
        ++n;
        if (!m_KeyGroup.isEmpty())
            m_KeyGroup += QLatin1Char('+');
        m_KeyGroup += QLatin1String(modifier.name);
    }
    const QString line = ui->lineEdit->text();
    if (!line.isEmpty())
        n += line.count(QLatin1Char('+')) + 1;

    if (n > 3) {
        GroupMaxThree notice;
        notice.move(mapToGlobal(QPoint(0, 0)));
        notice.exec();
        m_PlusCount = 0;
        m_LastKey = -1;
        ui->lineEdit->clear();
        return; // stays open, still capturing
    }

    m_Hook->UnInstallHook();
    if (m_KeyGroup.isEmpty())
        m_KeyGroup = line;
    else if (!line.isEmpty())
        m_KeyGroup += QLatin1Char('+') + line;
    m_Ok = true;
    close();
}

void GroupKey::on_NewHong_2_clicked()
{
    m_Ok = false;
    m_Hook->UnInstallHook();
    close();
}

void GroupKey::on_CloseButton_clicked()
{
    m_Ok = false;
    m_Hook->UnInstallHook();
    close();
}

void GroupKey::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    QDialog::keyPressEvent(event);
}

QString GroupKey::LanguageSection() const
{
    return QStringLiteral("groupKey");
}

LanguageLoader::KeyTable GroupKey::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    keys.insert(QStringLiteral("NewHong_2"), [this](const QString &text) { ui->NewHong_2->setText(text); });
    return keys;
}
