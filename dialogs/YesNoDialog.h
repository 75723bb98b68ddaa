#pragma once
// A yes-or-no question with a confirm button "OK" and a cancel button
// "Cancel". m_Ok is false from construction and true only after the confirm
// button; the cancel and close buttons (and Escape) answer no. Callers read
// it after exec().

#include "MessageDialog.h"

class YesNoDialog : public MessageDialog
{
    Q_OBJECT

public:
    bool m_Ok = false;

protected:
    // The 300 x 140 form with "OK" at (40, 110) and "Cancel" at (cancelX, 110);
    // the class name is also the name of the language section.
    YesNoDialog(const QString &className, const QString &frameName, const QRect &labelGeometry,
                const QString &labelText, int cancelX, QWidget *parent);

private slots:
    void on_CloseButton_clicked();
    void on_OK_clicked();
    void on_Cancel_clicked();
};
