#pragma once
// Helpers of the macro page tests: answering the page's modal dialogs while
// an action runs, reading the page's widgets by object name, and the files of
// the macro folder.

#include "AddDelayTime.h"
#include "ExeIsRun.h"
#include "QuestionDialog.h"
#include "UserPaths.h"
#include "addKey.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QtTest>

#include <functional>

#include <csignal>
#include <sys/resource.h>

namespace MacroTest {

// Answers the modal dialogs that an action opens, one answer per dialog in
// order; each answer gets the dialog and must close it. A dialog beyond the
// answers given is closed by rejecting it, and counted.
class DialogAnswers
{
public:
    using Answer = std::function<void(QDialog *)>;

    // The latest of several live answer sets is the one that answers.
    explicit DialogAnswers(QList<Answer> answers)
        : m_Answers(std::move(answers))
        , m_Previous(Current())
    {
        Current() = this;
        QObject::connect(&m_Timer, &QTimer::timeout, [this] { Tick(); });
        m_Timer.start(10);
    }
    ~DialogAnswers() { Current() = m_Previous; }
    DialogAnswers(const DialogAnswers &) = delete;
    DialogAnswers &operator=(const DialogAnswers &) = delete;

    // Class names of the dialogs seen, in order.
    QStringList seen;
    // The label text and the top-left of each dialog seen.
    QStringList texts;
    QList<QPoint> positions;
    int unexpected = 0;
    bool allUsed() const { return m_Next == m_Answers.size(); }

private:
    static DialogAnswers *&Current()
    {
        static DialogAnswers *current = nullptr;
        return current;
    }

    void Tick()
    {
        if (Current() != this)
            return;
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_Last || !dialog->isVisible())
            return;
        m_Last = dialog;
        seen << QString::fromLatin1(dialog->metaObject()->className());
        QLabel *label = dialog->findChild<QLabel *>(QStringLiteral("label"));
        texts << (label ? label->text() : QString());
        positions << dialog->pos();
        if (m_Next < m_Answers.size()) {
            m_Answers.at(m_Next++)(dialog);
        } else {
            ++unexpected;
            dialog->reject();
        }
    }

    QList<Answer> m_Answers;
    DialogAnswers *m_Previous = nullptr;
    int m_Next = 0;
    QPointer<QDialog> m_Last;
    QTimer m_Timer;
};

inline void ClickChild(QDialog *dialog, const char *name)
{
    auto *button = dialog->findChild<QToolButton *>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

// Types a name into the name entry and confirms.
inline DialogAnswers::Answer EnterName(const QString &name)
{
    return [name](QDialog *dialog) {
        QVERIFY(qobject_cast<QuestionDialog *>(dialog));
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(name);
        ClickChild(dialog, "NewHong");
    };
}

// Presses the key of a virtual-key code in the key capture and confirms.
inline DialogAnswers::Answer CaptureKey(int virtualKey)
{
    return [virtualKey](QDialog *dialog) {
        auto *capture = qobject_cast<addKey *>(dialog);
        QVERIFY(capture);
        capture->UpdateCapslockTip(virtualKey, true, false);
        ClickChild(dialog, "NewHong");
    };
}

inline DialogAnswers::Answer EnterDelay(int ms)
{
    return [ms](QDialog *dialog) {
        QVERIFY(qobject_cast<AddDelayTime *>(dialog));
        dialog->findChild<QSpinBox *>(QStringLiteral("spinBox"))->setValue(ms);
        ClickChild(dialog, "NewHong");
    };
}

// Confirms a notice or a confirmation with its OK button.
inline DialogAnswers::Answer Confirm()
{
    return [](QDialog *dialog) { ClickChild(dialog, "NewHong"); };
}

inline DialogAnswers::Answer CloseWithCross()
{
    return [](QDialog *dialog) { ClickChild(dialog, "CloseButton"); };
}

inline QString MacroFolder()
{
    return UserPaths::macroPageFolder();
}

inline QString MacroFile(const QString &name)
{
    return MacroFolder() + QLatin1Char('/') + name + QStringLiteral(".ini");
}

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), qint64(data.size()));
}

inline void EmptyMacroFolder()
{
    QDir folder(MacroFolder());
    folder.removeRecursively();
    QVERIFY(QDir().mkpath(MacroFolder()));
}

// Every file under the home folder with its content, for "nothing else was
// written" checks.
inline QMap<QString, QByteArray> HomeFiles()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(QDir::homePath(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, ReadFile(path));
    }
    return files;
}

// While it lives, no file of the process may grow past limit bytes: a write
// beyond fails with EFBIG (SIGXFSZ ignored), as on a full disk, and root
// meets it too. Keep it around the one action under test: every file the
// process writes meanwhile is held to it.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_Handler = std::signal(SIGXFSZ, SIG_IGN);
        m_Held = ::getrlimit(RLIMIT_FSIZE, &m_Saved) == 0;
        if (m_Held) {
            rlimit lowered = m_Saved;
            lowered.rlim_cur = limit;
            m_Held = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        }
    }
    ~FileSizeLimit() { Release(); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool held() const { return m_Held; }
    void Release()
    {
        if (m_Held)
            ::setrlimit(RLIMIT_FSIZE, &m_Saved);
        m_Held = false;
        if (m_Handler != SIG_ERR)
            std::signal(SIGXFSZ, m_Handler);
        m_Handler = SIG_ERR;
    }

private:
    rlimit m_Saved{};
    bool m_Held = false;
    void (*m_Handler)(int) = SIG_ERR;
};

// Rows as "text/type" texts.
inline QStringList Rows(QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text() + QLatin1Char('/') + QString::number(list->item(i)->type());
    return rows;
}

} // namespace MacroTest
