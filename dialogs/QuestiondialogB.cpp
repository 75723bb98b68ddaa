#include "QuestiondialogB.h"

namespace {

MessageForm::Layout Layout()
{
    MessageForm::Layout layout =
        MessageForm::Notice(QStringLiteral("QuestiondialogB"), QStringLiteral("QuestionB"), QRect(0, 30, 301, 60),
                            QStringLiteral("  Do not insert multiple identical devices"));
    layout.frameGeometry = QRect(0, 0, 300, 130);
    layout.frameFixed = true;
    return layout;
}

MessageForm::Look Look()
{
    // The size is fixed at the form's 300 x 140; the background frame is
    // only 130 high.
    MessageForm::Look look;
    look.fixedSize = true;
    return look;
}

} // namespace

QuestiondialogB::QuestiondialogB(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("QuestionB"), parent, Look())
{
    FinishConstruction();
}

void QuestiondialogB::on_CloseButton_clicked()
{
    close();
}
