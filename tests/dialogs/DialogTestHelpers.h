#pragma once
// Helpers shared by the dialog tests: every small dialog by name, running a
// dialog's modal loop while the test acts on it, and the texts of a section
// of an installed language file.

#include "ContainReset.h"
#include "DeleteConfirm.h"
#include "ExeIsRun.h"
#include "GroupMaxThree.h"
#include "InportFail.h"
#include "KeyNumberLimit.h"
#include "LanguageLoader.h"
#include "LeftButtonOnly.h"
#include "MacroIni.h"
#include "MakeMacro.h"
#include "MouseOffLine.h"
#include "QuestiondialogB.h"
#include "RePair.h"
#include "SameMacro.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QtTest>

#include <functional>
#include <memory>

namespace DialogTest {

struct DialogKind
{
    QString name;    // class name
    QString section; // its section in the language files
    std::function<QDialog *()> create;
};

inline QList<DialogKind> AllDialogs()
{
    return {
        {"QuestiondialogB", "QuestionB", [] { return new QuestiondialogB; }},
        {"LeftButtonOnly", "ButtonOnly", [] { return new LeftButtonOnly; }},
        {"MakeMacro", "MakeMacro", [] { return new MakeMacro; }},
        {"SameMacro", "SameMacro", [] { return new SameMacro; }},
        {"GroupMaxThree", "MaxThree", [] { return new GroupMaxThree; }},
        {"KeyNumberLimit", "Limit", [] { return new KeyNumberLimit; }},
        {"MouseOffLine", "MouseOffLine", [] { return new MouseOffLine; }},
        {"ContainReset", "ContainReset", [] { return new ContainReset; }},
        {"RePair", "RePair", [] { return new RePair; }},
        {"DeleteConfirm", "DeleteConfirm", [] { return new DeleteConfirm; }},
        {"ExeIsRun", "EXEIsRun", [] { return new ExeIsRun; }},
        {"InportFail", "InportFail", [] { return new InportFail; }},
    };
}

inline DialogKind Kind(const QString &name)
{
    for (const DialogKind &kind : AllDialogs())
        if (kind.name == name)
            return kind;
    qFatal("no dialog %s", qPrintable(name));
    return {};
}

inline void SetStoredLanguage(int index)
{
    MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(index));
}

// The texts of one section of the installed file of a language index.
inline QHash<QString, QString> SectionTexts(int index, const QString &section, const QStringList &children)
{
    QHash<QString, QString> texts;
    LanguageLoader::KeyTable keys;
    for (const QString &child : children)
        keys.insert(child, [&texts, child](const QString &t) { texts[child] = t; });
    LanguageReaderPtr reader;
    LanguageLoader::Load(index, section, keys, reader);
    return texts;
}

// Runs dialog.exec() and, once its modal loop runs, the action. A guard
// closes a dialog that the action left open, so a fault cannot hang the test.
// Returns exec()'s result.
inline int ExecWith(QDialog &dialog, const std::function<void()> &action, bool *closedByGuard = nullptr)
{
    QPointer<QDialog> guarded(&dialog);
    bool guardFired = false;
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        action();
        QTimer::singleShot(0, &dialog, [&] {
            if (guarded && guarded->isVisible()) {
                guardFired = true;
                guarded->done(77);
            }
        });
    });
    const int result = dialog.exec();
    if (closedByGuard)
        *closedByGuard = guardFired;
    return result;
}

inline void Click(QDialog &dialog, const QString &button)
{
    auto *b = dialog.findChild<QToolButton *>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace DialogTest
