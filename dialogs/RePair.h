#pragma once
// Asks whether the mouse is to be paired again.
// m_Ok is true only after the confirm button; read it after exec().

#include "YesNoDialog.h"

class RePair : public YesNoDialog
{
    Q_OBJECT

public:
    explicit RePair(QWidget *parent = nullptr);
};
