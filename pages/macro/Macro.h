#pragma once
// The macro editor page, third page of the main frame. It lists the user's
// macros (one file each in the per-user macro folder), shows the rows of the
// selected macro, lets the user create, delete and rename macros, insert,
// modify and delete rows, choose the repeat mode and save, and tells the
// button page through the hub when a macro was deleted, renamed or saved.
//
// The code is split by subject: Macro.cpp (construction, skin, actions and
// the hub, the recorder and the device macro records), MacroRows.cpp (the
// row operations every producer of rows uses), MacroFiles.cpp (the macro
// files and the macro list), MacroExchange.cpp (export and import files) and
// MacroRecordCodec.cpp (rows to the device's macro record and back).
//
// Rows: a row whose text contains "ms" is a delay row, every other row an
// event, a press when its item type is 0 and a release otherwise. An event
// row also carries its kind and device code in its Qt::UserRole data (see
// RowCodeRole), so a mouse-button row keeps its meaning after the language,
// and with it the button's name, changed.

#include "FlashDataMap.h"
#include "PageSkeleton.h"

#include <QElapsedTimer>
#include <QModelIndex>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>

class KeyboardHook;
class QButtonGroup;
class QDialog;
class QListWidgetItem;
class Ui_Macro;

class Macro : public PageSkeleton
{
    Q_OBJECT

public:
    explicit Macro(QWidget *parent = nullptr);
    ~Macro() override;

    // The item data role of an event row holding its {kind, code} pair
    // (a QVariantList of two ints).
    static constexpr int RowCodeRole = Qt::UserRole;

    // Row operations on the rows on show (the recorder and the insert and
    // modify actions make their rows through these).
    void AddKeyItem(QString name, bool press);
    void AddDelayItem(double ms);
    void InsertKeyEvent(QString name, bool press);
    // mask: the mouse-button bit the row stands for; 0 looks the name up.
    void InsertMouseClick(QString name, int mask = 0);
    void InsertDelayItem(double ms);

    // Macro files and the macro list.
    void LoadMacroList();
    void LoadMacroFile();
    void SaveMacroFile(QString mode);
    // The whole file of macro name: the mode line and the rows on show, in
    // one write (MacroNames::WriteFile); false when nothing was written.
    bool WriteMacroFile(const QString &name, const QString &mode);
    // The same with the given rows.
    bool WriteMacroFile(const QString &name, const QString &mode, const QList<QListWidgetItem *> &rows);
    // Creates the empty file of a new macro named name; false when it could
    // not be written (the caller then adds no list entry).
    bool CreateMacroFile(const QString &name);
    void DelayMs(int ms);

public slots:
    void SlotButtonToMacro(FlashDataMap DataMap, int KeyNumer);
    void SlotMacroDownLoadData(QString MacroName, int index);
    // Ends a recording (the main frame sends it on the way back to the device
    // list); harmless when nothing is recorded.
    void SlotSetMacroPage();

private slots:
    void on_NewHong_clicked();
    void on_DeleteHong_clicked();
    void on_Amend_clicked();
    void on_NumberEdit_editingFinished();
    void on_ReUntilLoose_released();
    void on_ReUntilClick_released();
    void on_ReNumber_released();
    void on_AutoInsertDelay_released();
    void on_ChooseEvent_activated(int index);
    void on_DeleteKey_clicked();
    void on_StartRecord_clicked();
    void on_StopRecord_clicked();
    void on_Save_clicked();
    void UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu);
    void on_listWidgetKey_itemChanged(QListWidgetItem *item);
    void on_NumberEdit_valueChanged(int);
    void on_listWidgetHong_clicked(QModelIndex index);
    void on_listWidgetHong_customContextMenuRequested(QPoint pos);
    void ExPortMacro();
    void RenameMacro();
    void DeleteMacro();
    void CreateMewMacro();
    void InPortMacro();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The form has no "InsertEvent" button, so this is a plain member, not a
    // by-name slot (which would make connectSlotsByName warn on every page
    // built); nothing calls it.
    void on_InsertEvent_released();
    // The children of the page's language section and where each text goes.
    LanguageLoader::KeyTable LanguageKeys() override;
    void InitButtonGroup();
    void OnRepeatModeToggled(int id, bool checked);
    void ApplySkin();
    void SetSaveIdleLook();
    void SetSaveActiveLook();
    // Page-centred placement of a dialog of this page.
    void PlaceDialog(QDialog *dialog, int dx, int dy, const QSize &size = QSize()) const;
    // Shows ExeIsRun with its PleaseStop text when a recording runs.
    bool RefuseWhileRecording();
    // A one-button notice with a text of the page's own language section,
    // placed as the page's notices are (as a dialog of placeAs when given).
    void ShowNotice(const QString &text, const QSize &placeAs = QSize());
    // The notice that a macro's file could not be written: a full disk, a
    // file-size limit, a macro folder that cannot be written.
    void ShowSaveFailNotice();
    // Asks for a macro name (new: second 0, rename: 1); an empty result
    // means the user gave up or the name was refused with a notice.
    QString AskMacroName(int second);
    // A name the user may give a macro: it makes a file inside the macro
    // folder that the list shows under the same name at the next start.
    static bool IsUsableNewName(const QString &name);
    // The file of a macro name; empty for a name that cannot be a file name.
    QString MacroFilePathOf(const QString &name) const;
    // The rows of a macro file, made as the list shows them, and its mode
    // line's first word (null for a file without lines).
    QList<QListWidgetItem *> ReadMacroFile(const QString &path, QString *mode) const;
    // The mask of a mouse-button name of any language file (a macro made in
    // another language); false for no such name.
    static bool MouseButtonOfAnyLanguage(const QString &name, int *mask);
    // Shows the import failure notice.
    void ShowImportFailNotice();
    // The macro file's lines of rows, one per row in order.
    static QByteArray RowLines(const QList<QListWidgetItem *> &rows);
    // The rows on show.
    QList<QListWidgetItem *> ShownRows() const;
    QString CurrentMacroName() const;
    bool HasSelectedMacro() const;
    // The repeat-mode code the controls show ("254", "255", "253" or the
    // count), and showing one without marking a change.
    QString RepeatModeText() const;
    void ShowRepeatMode(const QString &mode);
    // Puts the page back into its idle look after a recording.
    void EndRecordingLook();

    Ui_Macro *ui;
    QString macroFolder;
    QString macroFilePath;
    KeyboardHook *keyboardHook = nullptr;
    QButtonGroup *delayModeGroup = nullptr;
    QButtonGroup *repeatModeGroup = nullptr;
    int lastKeyCode = -1;
    QElapsedTimer eventTimer;
    bool firstEvent = false;
    QStringList buttonColorList;
    QString buttonColor;
    int recordedEvents = 0;
    // Keys down since the recording started: only a press of a key already
    // down is the keyboard's auto-repeat.
    QSet<int> heldKeys;
    bool rowsChanged = false;
    bool repeatModeChanged = false;
    // The macro the list's context menu was opened on: its actions act on
    // that one, not on the macro shown.
    QString contextMacro;
    QString exportText;
    QString renameText;
    QString deleteText;
    QString newText;
    QString importText;
    QString macroLabelPrefix;
    // Notices of refused names, failed renames and macro files that could
    // not be written (children "BadName", "RenameFail" and "SaveFail" of the
    // page's language section).
    QString badNameText;
    QString renameFailText;
    QString saveFailText;
};
