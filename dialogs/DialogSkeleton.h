#pragma once
// The common shape of every small modal dialog (notices, confirmations,
// name and value entry, key capture).
//
// A dialog derives from DialogSkeleton and, in its constructor:
//   1. gives its answer members their initial values (member initialisers);
//   2. builds its form: ui = new Ui_X; ui->setupUi(this);
//   3. calls InitSkeleton(): connects the hub's SigChangeLanguage(int) to
//      SlotChangeLanguage(int), sets m_PicturePath to
//      <application dir>/Picture/WarningDialog/ and the window flags 0x6C12;
//      any further hub connection of the dialog follows right after;
//   4. sets its style sheets with the texts below (read each colour once with
//      Skin::Rgb);
//   5. calls LoadStoredLanguage(), which loads the texts of the language
//      stored in Macro.ini.
// It implements LanguageSection() (its section element in the language
// files) and LanguageKeys() (the children it knows and where each text goes).
//
// The notices and confirmations, which share one form shape, derive from
// MessageDialog, which does steps 2 to 5 from a layout.
//
// Callers build the dialog on their stack with no parent, may call its
// setters, place it with MoveOver(dialog, opener, dx, dy), run exec() and
// read the answer members (exec() returns 0 after close(), whichever button).

#include "LanguageLoader.h"

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QFrame;
class QLabel;
class QToolButton;

class DialogSkeleton : public QDialog
{
    Q_OBJECT

public:
    // The window flags of every small dialog: SubWindow | BypassWindowManagerHint
    // | FramelessWindowHint | WindowSystemMenuHint | WindowMinimizeButtonHint.
    static constexpr int SkeletonWindowFlags = 0x6C12;

    explicit DialogSkeleton(QWidget *parent = nullptr);
    ~DialogSkeleton() override;

    // Top-left that centres a dialog of dialogSize over an opener whose point
    // (0, 0) is openerGlobal, shifted by (dx, dy); the halves of the size
    // differences are truncated toward zero.
    static QPoint CentredPosition(const QPoint &openerGlobal, const QSize &openerSize, const QSize &dialogSize, int dx,
                                  int dy);
    // Moves dialog to CentredPosition over opener (opener may be null: the
    // dialog is then left where it is).
    static void MoveOver(QWidget *dialog, const QWidget *opener, int dx, int dy);

    // Style-sheet texts of the skin; rgb is "r,g,b", picturePath ends with "/".
    static QString LabelSheet(const QString &rgb);
    static QString ConfirmSheet(const QString &rgb, const QString &picturePath,
                                const QString &image = QStringLiteral("Confirm.png"),
                                const QString &pressedImage = QStringLiteral("ConfirmClick.png"));
    static QString CloseSheet(const QString &picturePath);
    static QString BackgroundSheet(const QString &frameName, const QString &picturePath,
                                   const QString &ending = QStringLiteral(");}"));
    static QString LineEditSheet(const QString &rgb);
    static QString SpinBoxSheet(const QString &rgb);

    // The folder of the small dialogs' pictures.
    static QString PictureFolder();

protected:
    void InitSkeleton();
    void LoadStoredLanguage();

    virtual QString LanguageSection() const = 0;
    virtual LanguageLoader::KeyTable LanguageKeys() = 0;

    QString m_PicturePath;
    LanguageReaderPtr m_Reader;

protected slots:
    void SlotChangeLanguage(int index);
};

// Small builders the hand-written forms share.
namespace SkeletonForm {
// The covering background frame (StyledPanel, Raised).
QFrame *Frame(QWidget *parent, const QString &name, const QRect &geometry);
// The 20 x 20 close button of the top-right corner.
QToolButton *CloseButton(QWidget *parent, const QPoint &pos);
// The main text label: interface font 11 pt, centred, word wrap.
QLabel *Label(QWidget *parent, const QString &name, const QRect &geometry);
// An answer button (OK, Cancel): interface font 11 pt, auto-raise.
QToolButton *AnswerButton(QWidget *parent, const QString &name, const QRect &geometry);
// Title "Dialog", object name, size; fixed size policy.
void SetupDialog(QDialog *dialog, const QString &name, const QSize &size);
} // namespace SkeletonForm
