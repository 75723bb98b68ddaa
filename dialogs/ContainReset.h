#pragma once
// Yes-or-no question with a replaceable text; Return confirms it.
// m_Ok is true only after the confirm button; read it after exec().

#include "DialogSkeleton.h"

class Ui_ContainReset;

class ContainReset : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit ContainReset(QWidget *parent = nullptr);
    ~ContainReset() override;

    // Replaces the question (after construction, so it wins over the language file).
    void SetText(QString text);

    bool m_Ok = false;

private slots:
    void on_CloseButton_clicked();
    void on_OK_clicked();
    void on_Cancel_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_ContainReset *ui;
};
