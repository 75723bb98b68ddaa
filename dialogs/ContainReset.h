#pragma once
// Yes-or-no question with a replaceable text; Return confirms it.
// m_Ok is true only after the confirm button; read it after exec().

#include "YesNoDialog.h"

class ContainReset : public YesNoDialog
{
    Q_OBJECT

public:
    explicit ContainReset(QWidget *parent = nullptr);

    // Replaces the question (after construction, so it wins over the language file).
    void SetText(QString text);
};
