#pragma once
// The form that the notices and confirmations share: the covering background
// frame, the close button in the top-right corner, the text "label" and the
// answer buttons (OK, Cancel) along the bottom. A dialog of this kind gives
// its layout, and the base builds the form, the skin and the standard
// language keys ("label" and each answer button by its object name).
//
// The derived class declares its own button slots (on_CloseButton_clicked,
// on_NewHong_clicked ...), makes its extra hub connections, and then calls
// FinishConstruction(), which connects the slots by object name and loads the
// stored language. (Slots can only be connected by name once the derived
// class's meta-object is in place, that is, in its own constructor.)

#include "DialogSkeleton.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class MessageForm
{
public:
    struct Button
    {
        QString name; // object name: "NewHong", "OK", "Cancel"
        QRect geometry;
        QString text; // the form's default text
    };

    struct Layout
    {
        QString dialogName; // the class name: object name and translation context
        QSize dialogSize = QSize(300, 140);
        QSize dialogMinimum; // applied when valid
        QSize dialogMaximum; // applied when valid
        QString frameName;
        QRect frameGeometry = QRect(0, 0, 300, 140);
        bool frameFixed = false; // minimum and maximum size of the frame = its size
        QPoint closePosition = QPoint(275, 5);
        QRect labelGeometry;
        QString labelText;
        QList<Button> buttons;
    };

    // How the skin differs from the common one.
    struct Look
    {
        // Text after the background picture's name (the offline notice's
        // sheet ends with a blank before the brace).
        QString backgroundEnding = QStringLiteral(");}");
        QString confirmImage = QStringLiteral("Confirm.png");
        QString confirmPressedImage = QStringLiteral("ConfirmClick.png");
        bool fixedSize = false; // fix the size the form gave, right after the window flags
    };

    // The 300 x 140 layout most of them have: the frame covering the dialog,
    // the close button at (275, 5), the label, and the answer buttons given.
    static Layout Notice(const QString &dialogName, const QString &frameName, const QRect &labelGeometry,
                         const QString &labelText, const QList<Button> &buttons = {});
    // The OK button "NewHong" (90 x 24, form text "确定") at the given point.
    static Button NewHong(const QPoint &position = QPoint(100, 110));

    QFrame *frame = nullptr;
    QToolButton *CloseButton = nullptr;
    QLabel *label = nullptr;
    QList<QToolButton *> answerButtons;

    // Builds the widgets as children of dialog (all inside the frame) and
    // sets the default texts; it does not connect slots.
    void setupUi(QDialog *dialog, const Layout &layout);
    void retranslateUi(QDialog *dialog);

    QToolButton *Answer(const QString &name) const;

private:
    Layout m_Layout;
};

class MessageDialog : public DialogSkeleton
{
    Q_OBJECT

public:
    ~MessageDialog() override;

protected:
    MessageDialog(const MessageForm::Layout &layout, const QString &section, QWidget *parent,
                  const MessageForm::Look &look = MessageForm::Look());

    // Connects the on_<object>_<signal> slots by name and loads the texts of
    // the stored language; the last step of every derived constructor.
    void FinishConstruction();

    QString LanguageSection() const override;
    // "label" to the label, each answer button's name to its text.
    LanguageLoader::KeyTable LanguageKeys() override;
    // Makes child a text of the label that is shown only while *selector
    // equals value; the child is read at every load whatever the value.
    void AddLabelChoice(LanguageLoader::KeyTable &keys, const QString &child, const int *selector, int value);

    MessageForm *ui;

private:
    QString m_Section;
};
