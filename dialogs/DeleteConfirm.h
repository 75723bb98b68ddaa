#pragma once
// Asks for the confirmation of a deletion; the close button is the only way to say no.
// m_Ok is true only after the confirm button; read it after exec().

#include "MessageDialog.h"

class DeleteConfirm : public MessageDialog
{
    Q_OBJECT

public:
    explicit DeleteConfirm(QWidget *parent = nullptr);

    bool m_Ok = false;

private slots:
    void on_NewHong_clicked();
    void on_CloseButton_clicked();
};
