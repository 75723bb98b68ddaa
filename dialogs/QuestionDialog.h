#pragma once
// Name entry: the user types the name of a macro (new macro or rename).
// m_Name holds the typed text after the confirm button and is empty after the
// close or cancel button; read it after exec(). The text is kept within the
// width of a macro record's name field (NameRule).

#include "MacroNames.h"
#include "MessageDialog.h"

class QLineEdit;

class QuestionDialog : public MessageDialog
{
    Q_OBJECT

public:
    explicit QuestionDialog(QWidget *parent = nullptr);

    // Shows the rename prompt when second is not 0, else the new-macro prompt.
    void ShowText(int second);

    // The name rule applied to every user edit: a text ending with a space
    // loses all its spaces; a text longer than NameMaxBytes in the local 8-bit
    // encoding keeps its longest beginning that fits, cut between characters.
    static QString NameRule(const QString &text);
    static constexpr int NameMaxBytes = MacroNames::NameMaxBytes;

    QString m_Name;

public slots:
    void WindowClosedLan();

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
    void on_lineEdit_textEdited(const QString &text);

private:
    LanguageLoader::KeyTable LanguageKeys() override;

    QLineEdit *m_LineEdit = nullptr; // "lineEdit": the name
    QString m_LabelText;
    QString m_Label2Text;
};
