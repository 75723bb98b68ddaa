#include "GroupKey.h"

#include "EntryForm.h"
#include "GroupMaxThree.h"
#include "KeyVocabulary.h"
#include "MyLineEdit.h"
#include "Skin.h"

#include <QCheckBox>
#include <QFrame>

qint64 GroupKey::s_ClockSkew = 0;

namespace {

MessageForm::Layout Layout()
{
    MessageForm::Layout layout =
        EntryForm::Layout(QStringLiteral("GroupKey"), QStringLiteral("groupKeyA"), QRect(45, 9, 231, 51),
                          QStringLiteral("Please enter keystroke"), 50, 170, QString::fromUtf8("确定"));
    layout.dialogMinimum = layout.dialogMaximum = QSize(300, 140);
    return layout;
}

// The modifier boxes: object name (also the name in the result), geometry and
// caption (the same in every language).
const struct
{
    const char *name;
    QRect geometry;
    const char *caption;
} kModifiers[4] = {
    {"Shift", QRect(45, 85, 61, 17), "shift"},
    {"Ctrl", QRect(110, 85, 51, 17), "Ctrl"},
    {"Alt", QRect(170, 85, 51, 17), "Alt"},
    {"Win", QRect(225, 85, 61, 17), "Win"},
};

} // namespace

GroupKey::GroupKey(QWidget *parent)
    : KeyCaptureDialog(Layout(), QStringLiteral("groupKey"), KeyboardHook::GroupKeyInstance, parent)
{
    m_LineEdit = EntryForm::AddEntry<MyLineEdit>(ui, QStringLiteral("lineEdit"), QRect(45, 60, 231, 20));
    m_LineEdit->setFont(Skin::Font(QFont().pointSize()));
    m_LineEdit->setAlignment(Qt::AlignCenter);
    m_LineEdit->setReadOnly(false);
    m_LineEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_LineEdit->setFocus(Qt::OtherFocusReason);
    m_LineEdit->setStyleSheet(LineEditSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));

    const QString boxSheet = QStringLiteral("QCheckBox{color: rgb(") + Skin::Rgb(QStringLiteral("LabelColor"))
        + QStringLiteral(";);}QCheckBox::indicator:checked {image: url(") + m_PicturePath
        + QStringLiteral("CheckBoxCheck.png);}QCheckBox::indicator:unchecked {image: url(") + m_PicturePath
        + QStringLiteral("CheckBox.png);}");
    // The boxes follow the line in the tab chain, before OK and Cancel.
    QWidget *previous = m_LineEdit;
    for (int i = 0; i < 4; ++i) {
        QCheckBox *box = new QCheckBox(ui->frame);
        box->setObjectName(QLatin1String(kModifiers[i].name));
        box->setGeometry(kModifiers[i].geometry);
        box->setMinimumSize(QSize(0, 17));
        box->setFont(Skin::Font(11));
        box->setText(QLatin1String(kModifiers[i].caption));
        box->setStyleSheet(boxSheet);
        setTabOrder(previous, box);
        previous = box;
        m_ModifierBoxes[i] = box;
    }

    FinishConstruction();
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
        m_LineEdit->clear();
        m_LastKey = -1;
        RestartCapture();
    }

    if (keyCode == m_LastKey)
        return; // auto-repeat, or the same key again

    m_LastKey = keyCode;
    const QString name = GroupKeyVirtualKeyName(keyCode);
    const QString text = m_LineEdit->text();
    m_PlusCount = text.count(QLatin1Char('+'));

    if (m_PlusCount == 2) {
        // The line holds three keys: this one starts a new line.
        m_PlusCount = 0;
        m_LastKey = keyCode;
        m_LineEdit->clear();
        m_LineEdit->setText(name);
    } else if (!text.contains(name)) {
        if (text.isEmpty()) {
            m_LineEdit->setText(name);
        } else {
            m_LineEdit->setText(text + QLatin1Char('+') + name);
            if (m_PlusCount == 1)
                m_LastKey = -1; // the third key again starts a new line
        }
    }
}

void GroupKey::on_lineEdit_textEdited(const QString &text)
{
    m_LineEdit->setText(text.toUpper());
}

void GroupKey::on_NewHong_clicked()
{
    m_KeyGroup.clear();
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        if (!m_ModifierBoxes[i]->isChecked())
            continue;
        ++n;
        if (!m_KeyGroup.isEmpty())
            m_KeyGroup += QLatin1Char('+');
        m_KeyGroup += QLatin1String(kModifiers[i].name);
    }
    const QString line = m_LineEdit->text();
    if (!line.isEmpty())
        n += line.count(QLatin1Char('+')) + 1;

    if (n > 3) {
        GroupMaxThree notice;
        notice.move(mapToGlobal(QPoint(0, 0)));
        notice.exec();
        m_PlusCount = 0;
        m_LastKey = -1;
        m_LineEdit->clear();
        return; // stays open, still capturing
    }

    StopCapture();
    if (m_KeyGroup.isEmpty())
        m_KeyGroup = line;
    else if (!line.isEmpty())
        m_KeyGroup += QLatin1Char('+') + line;
    m_Ok = true;
    close();
}
