#include "Macro.h"

#include "AddDelayTime.h"
#include "ConfigIni.h"
#include "DataSetters.h"
#include "DeleteConfirm.h"
#include "DialogSkeleton.h"
#include "ExeIsRun.h"
#include "GlobalState.h"
#include "KeyNumberLimit.h"
#include "KeyVocabulary.h"
#include "KeyboardHook.h"
#include "MacroForm.h"
#include "MacroNames.h"
#include "MacroRecordCodec.h"
#include "MacroRowItems.h"
#include "MacroState.h"
#include "PostMsg.h"
#include "QuestionDialog.h"
#include "SameMacro.h"
#include "Skin.h"
#include "UserPaths.h"
#include "addKey.h"

#include <QButtonGroup>
#include <QCursor>
#include <QDebug>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>

namespace {

// The skin's three-picture button with the caption in colour. An empty hover
// or pressed picture keeps the normal one in that state. The record buttons
// are push buttons, so their sheet names that class.
QString ImageButtonSheet(const QString &selector, const QString &colour, const QString &folder, const QString &normal,
                         const QString &hover, const QString &pressed)
{
    QString sheet =
        Skin::ImageButtonSheet(folder, normal, hover.isEmpty() ? normal : hover, pressed.isEmpty() ? normal : pressed)
        + QStringLiteral("QToolButton{color:rgb(") + colour + QStringLiteral(");}");
    if (selector != QLatin1String("QToolButton"))
        sheet.replace(QStringLiteral("QToolButton"), selector);
    return sheet;
}

QString ListSheet(const QString &name, const QString &folder)
{
    const QString id = QStringLiteral("QListWidget#") + name;
    return id + QStringLiteral("{background:transparent;color:white;outline:0px;border:none;}") + id
        + QStringLiteral("::item:selected{background:#ff6a00;color:white;}") + id
        + QStringLiteral("::item:selected:!active{background:#ff6a00;color:white;}") + id
        + QStringLiteral("::item:hover{background:transparent;}") + id
        + QStringLiteral("::item:selected:hover{background:#ff6a00;}")
        + QStringLiteral("QScrollBar:vertical{width:20px;background:rgb(30,30,30);margin:22px 0px 22px 0px;}"
                         "QScrollBar::handle:vertical{background:rgb(117,117,117);border-radius:3px;"
                         "min-height:30px;margin:2px 4px 2px 6px;}"
                         "QScrollBar::handle:vertical:pressed{background:rgb(117,117,117);}"
                         "QScrollBar::sub-line:vertical{height:25px;subcontrol-position:top;"
                         "subcontrol-origin:margin;background:rgb(30,30,30);}"
                         "QScrollBar::add-line:vertical{height:25px;subcontrol-position:bottom;"
                         "subcontrol-origin:margin;background:rgb(30,30,30);}"
                         "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}")
        + QStringLiteral("QScrollBar::up-arrow:vertical{border-image:url(") + folder
        + QStringLiteral("Up.png);width:15px;height:15px;}")
        + QStringLiteral("QScrollBar::down-arrow:vertical{border-image:url(") + folder
        + QStringLiteral("Down.png);width:15px;height:15px;}");
}

// Device mask of the mouse button behind an item of the insert selector
// (4 left ... 8 back) and the index of its current-language name.
struct ChooseMouseItem
{
    int mask;
    int nameIndex;
};
const ChooseMouseItem kChooseMouseItems[] = {
    {0x01, MouseButtonLeft},    {0x02, MouseButtonRight}, {0x04, MouseButtonMiddle},
    {0x10, MouseButtonForward}, {0x08, MouseButtonBack},
};

// Language files by index: 0 English ... 5 Japanese.
constexpr int kLastLanguageIndex = 5;

bool IsDelayText(const QString &text)
{
    return text.contains(QLatin1String("ms"));
}

} // namespace

Macro::Macro(QWidget *parent)
    : PageSkeleton(QStringLiteral("Macro"), QStringLiteral("Macro"), parent)
    , ui(new Ui_Macro)
{
    ui->setupUi(this);
    keyboardHook = new KeyboardHook(KeyboardHook::RecorderInstance);
    macroFolder = UserPaths::macroPageFolder();

    ConnectHub(&PostMsg::SigButtonToMacro, &Macro::SlotButtonToMacro);
    ConnectHub(&PostMsg::SigMacroDownLoadData, &Macro::SlotMacroDownLoadData);
    ConnectHub(&PostMsg::SigSetMacroPage, &Macro::SlotSetMacroPage);

    ui->listWidgetHong->setStyleSheet(ListSheet(QStringLiteral("listWidgetHong"), m_PicturePath));
    ui->listWidgetKey->setStyleSheet(ListSheet(QStringLiteral("listWidgetKey"), m_PicturePath));

    LoadMacroList();
    InitButtonGroup();
    ui->StartRecord->setFocusPolicy(Qt::NoFocus);

    const QString comboText = Skin::Rgb(QStringLiteral("ComboxTextColor"));
    const QString comboSelect = Skin::Rgb(QStringLiteral("ComboxSelectColor"));
    const QString comboBack = Skin::Rgb(QStringLiteral("ComboxBackGroundColor"));
    ui->ChooseEvent->setStyleSheet(
        QStringLiteral("QComboBox{border:1px solid gray;color:rgb(") + comboText + QStringLiteral(");border-image:url(")
        + m_PicturePath + QStringLiteral("ComboboxBack.png);}")
        + QStringLiteral("QComboBox::drop-down{border-radius:5px;background:rgb(") + comboBack + QStringLiteral(");}")
        + QStringLiteral("QComboBox::down-arrow{image:url(") + m_PicturePath + QStringLiteral("Menu.png);right:8px;}")
        + QStringLiteral("QComboBox::down-arrow:on{image:url(") + m_PicturePath + QStringLiteral("MenuClicked.png);}")
        + QStringLiteral("QComboBox QAbstractItemView::item{height:25px;}")
        + QStringLiteral("QComboBox QAbstractItemView{border:1px solid gray;color:rgb(") + comboText
        + QStringLiteral(");border-image:url(") + m_PicturePath
        + QStringLiteral("ComboboxTextBack.png);selection-background-color:rgb(") + comboSelect
        + QStringLiteral(");}"));
    ui->ChooseEvent->SetListViewSheet(QStringLiteral("QListView::item:selected{background:rgb(") + comboSelect
                                      + QStringLiteral(");}QListView::item:hover{background:rgb(") + comboSelect
                                      + QStringLiteral(");}"));
    ui->ChooseEvent->setMaxVisibleItems(5);

    ui->StopRecord->hide();
    ui->AutoInsertDelay->setChecked(true);

    buttonColorList = ConfigIni::GetInstance()->GetValueList(QStringLiteral("Option"), QStringLiteral("ButtonColor"));
    buttonColor = Skin::Rgb(QStringLiteral("ButtonColor"));

    connect(repeatModeGroup, &QButtonGroup::idToggled, this, &Macro::OnRepeatModeToggled, Qt::DirectConnection);

    SetSaveIdleLook();
    ApplySkin();

    LoadStoredLanguage();
}

Macro::~Macro()
{
    // The hook's state outlives this holder; a callback bound to this page
    // must not.
    keyboardHook->UnInstallHook();
    keyboardHook->ClearCallback(this);
    delete keyboardHook;
    delete ui;
}

void Macro::InitButtonGroup()
{
    delayModeGroup = new QButtonGroup(this);
    repeatModeGroup = new QButtonGroup(this);
    delayModeGroup->setExclusive(true);
    repeatModeGroup->setExclusive(true);
    delayModeGroup->addButton(ui->AutoInsertDelay);
    delayModeGroup->addButton(ui->DefaultDelay);
    repeatModeGroup->addButton(ui->ReUntilLoose);
    repeatModeGroup->addButton(ui->ReUntilClick);
    repeatModeGroup->addButton(ui->ReNumber);
    repeatModeGroup->addButton(ui->ReUntil);
}

void Macro::ApplySkin()
{
    const QString labelColour = Skin::Rgb(QStringLiteral("LabelColor"));
    for (QLabel *label : {ui->label, ui->label_2, ui->label_3, ui->AutoInsertDelayLabel, ui->ReUntilLabel,
                          ui->ReUntilClickLabel, ui->ReUntilLooseLabel})
        label->setStyleSheet(QStringLiteral("color:rgb(") + labelColour + QStringLiteral(");"));
    const QString checkSheet = QStringLiteral("QCheckBox{color:rgb(") + labelColour
        + QStringLiteral(");}QCheckBox::indicator:checked{image:url(") + m_PicturePath
        + QStringLiteral("CheckBoxCheck.png);}QCheckBox::indicator:unchecked{image:url(") + m_PicturePath
        + QStringLiteral("CheckBox.png);}");
    for (QCheckBox *box :
         {ui->AutoInsertDelay, ui->DefaultDelay, ui->ReUntilLoose, ui->ReUntilClick, ui->ReUntil, ui->ReNumber})
        box->setStyleSheet(checkSheet);

    for (QToolButton *button : {ui->NewHong, ui->DeleteHong, ui->Amend, ui->DeleteKey})
        button->setStyleSheet(ImageButtonSheet(QStringLiteral("QToolButton"), buttonColor, m_PicturePath,
                                               QStringLiteral("Button.png"), QStringLiteral("ButtonHover.png"),
                                               QStringLiteral("ButtonClick.png")));
    ui->StartRecord->setStyleSheet(ImageButtonSheet(QStringLiteral("QPushButton"), buttonColor, m_PicturePath,
                                                    QStringLiteral("Record.png"), QStringLiteral("RecordHover.png"),
                                                    QString()));
    ui->StopRecord->setStyleSheet(ImageButtonSheet(QStringLiteral("QPushButton"), buttonColor, m_PicturePath,
                                                   QStringLiteral("Stop.png"), QStringLiteral("StopHover.png"),
                                                   QString()));

    const QString spinText = Skin::Rgb(QStringLiteral("LinEditColorSecond"));
    for (QSpinBox *box : {ui->DelayTime, ui->NumberEdit})
        box->setStyleSheet(QStringLiteral("QSpinBox{background-color:rgb(63, 63, 63);color:rgb(") + spinText
                           + QStringLiteral(");border:none;}"));
}

void Macro::SetSaveIdleLook()
{
    ui->Save->setStyleSheet(ImageButtonSheet(QStringLiteral("QToolButton"), QStringLiteral("127,127,127"),
                                             m_PicturePath, QStringLiteral("Button.png"), QString(), QString()));
    ui->Save->setEnabled(false);
}

void Macro::SetSaveActiveLook()
{
    ui->Save->setStyleSheet(ImageButtonSheet(QStringLiteral("QToolButton"), buttonColor, m_PicturePath,
                                             QStringLiteral("Button.png"), QStringLiteral("ButtonHover.png"),
                                             QStringLiteral("ButtonClick.png")));
    ui->Save->setEnabled(true);
}

void Macro::PlaceDialog(QDialog *dialog, int dx, int dy, const QSize &size) const
{
    const QSize dialogSize = size.isValid() ? size : dialog->size();
    dialog->move(DialogSkeleton::CentredPosition(mapToGlobal(QPoint(0, 0)), this->size(), dialogSize, dx, dy));
}

bool Macro::RefuseWhileRecording()
{
    if (!g_MacroRecording)
        return false;
    ExeIsRun notice;
    notice.ShowPleaseStopText();
    PlaceDialog(&notice, -100, -50);
    notice.exec();
    return true;
}

void Macro::ShowNotice(const QString &text, const QSize &placeAs)
{
    ExeIsRun notice;
    notice.ShowText(text);
    PlaceDialog(&notice, -100, -50, placeAs);
    notice.exec();
}

void Macro::ShowSaveFailNotice()
{
    ShowNotice(saveFailText);
}

QString Macro::CurrentMacroName() const
{
    QListWidgetItem *item = ui->listWidgetHong->currentItem();
    return item ? item->text() : QString();
}

bool Macro::HasSelectedMacro() const
{
    return ui->listWidgetHong->currentRow() >= 0;
}

QString Macro::MacroFilePathOf(const QString &name) const
{
    return MacroNames::FilePathIn(macroFolder, name);
}

bool Macro::IsUsableNewName(const QString &name)
{
    return MacroNames::IsUsableName(name);
}

QString Macro::AskMacroName(int second)
{
    QuestionDialog question;
    question.ShowText(second);
    PlaceDialog(&question, -100, -50);
    question.exec();
    QString name = question.m_Name;
    if (name.isEmpty())
        return QString();

    if (!IsUsableNewName(name)) {
        ShowNotice(badNameText, question.size());
        return QString();
    }
    // Exact, case-sensitive; on rename the macro's own name is a clash too.
    for (int i = 0; i < ui->listWidgetHong->count(); ++i) {
        if (ui->listWidgetHong->item(i)->text() == name) {
            SameMacro same;
            PlaceDialog(&same, -100, -50, question.size());
            same.exec();
            return QString();
        }
    }
    return name;
}

// --- Actions ---------------------------------------------------------------

void Macro::on_NewHong_clicked()
{
    if (RefuseWhileRecording())
        return;
    const QString name = AskMacroName(0);
    if (name.isEmpty())
        return;

    // The file first: the list shows no macro whose file could not be made.
    if (!CreateMacroFile(name)) {
        ShowSaveFailNotice();
        return;
    }
    ui->listWidgetHong->addItem(name);
    ui->listWidgetHong->setCurrentRow(ui->listWidgetHong->count() - 1);

    // Through the controls' signals: a change marks the repeat mode.
    ui->listWidgetKey->clear();
    ui->ReNumber->setChecked(true);
    ui->NumberEdit->setValue(1);
}

void Macro::CreateMewMacro()
{
    on_NewHong_clicked();
}

void Macro::on_DeleteHong_clicked()
{
    if (RefuseWhileRecording())
        return;
    QListWidgetItem *item = ui->listWidgetHong->currentItem();
    if (!item)
        return;

    DeleteConfirm confirm;
    PlaceDialog(&confirm, -100, -50);
    confirm.exec();
    if (!confirm.m_Ok)
        return;

    const QString name = item->text();
    const QString path = MacroFilePathOf(name);
    if (!path.isEmpty())
        QFile::remove(path);
    PostMsg::GetInstance()->EmitDeleteMacroButton(macroLabelPrefix + name);

    delete ui->listWidgetHong->takeItem(ui->listWidgetHong->row(item));
    ui->listWidgetKey->clear();
    ui->listWidgetHong->setCurrentRow(-1);
}

void Macro::DeleteMacro()
{
    on_DeleteHong_clicked();
}

void Macro::RenameMacro()
{
    QListWidgetItem *item = ui->listWidgetHong->currentItem();
    if (!item)
        return;
    const QString oldName = item->text();
    const QString newName = AskMacroName(1);
    if (newName.isEmpty())
        return;

    // The file first: the list and the button page follow only a rename that
    // took place, so the list never shows a macro whose file is missing.
    const QString oldPath = MacroFilePathOf(oldName);
    const QString newPath = MacroFilePathOf(newName);
    if (oldPath.isEmpty() || newPath.isEmpty() || QFile::exists(newPath) || !QFile::rename(oldPath, newPath)) {
        ShowNotice(renameFailText);
        return;
    }
    item->setText(newName);
    PostMsg::GetInstance()->EmitMacroRename(oldName, newName);
}

void Macro::on_Save_clicked()
{
    if (RefuseWhileRecording())
        return;
    if (!HasSelectedMacro()) {
        SetSaveIdleLook();
        return;
    }
    // The macro on show when Save was clicked, written once, whole: nothing
    // runs between taking its name and the write that could change the
    // selection.
    const QString name = CurrentMacroName();
    if (!WriteMacroFile(name, RepeatModeText())) {
        // The file keeps its old content; the edits stay on show, still
        // marked, and Save stays active for another try once there is room.
        SetSaveActiveLook();
        ShowSaveFailNotice();
        return;
    }
    SetSaveIdleLook();

    if (rowsChanged) {
        PostMsg::GetInstance()->EmitUpDataMacro(name, 0);
        rowsChanged = false;
    }
    if (repeatModeChanged) {
        PostMsg::GetInstance()->EmitUpDataMacro(name, 1);
        repeatModeChanged = false;
    }
}

void Macro::on_Amend_clicked()
{
    if (RefuseWhileRecording())
        return;
    QListWidgetItem *row = ui->listWidgetKey->currentItem();
    if (!row)
        return;

    if (!IsDelayText(row->text())) {
        addKey dialog;
        PlaceDialog(&dialog, -50, -70);
        if (dialog.exec() != QDialog::Accepted || !dialog.m_Ok)
            return;
        // The kind and code follow the new name; a name outside the
        // vocabulary leaves none, and the writers fall back to the text.
        int kind = 0;
        int code = 0;
        if (LookupKeyName(dialog.m_KeyName, &kind, &code))
            row->setData(RowCodeRole, QVariantList{kind, code});
        else
            row->setData(RowCodeRole, QVariant());
        row->setText(dialog.m_KeyName);
        SetSaveActiveLook();
    } else {
        AddDelayTime dialog;
        PlaceDialog(&dialog, -50, -70);
        dialog.exec();
        if (!dialog.m_Ok)
            return;
        row->setText(QString::number(dialog.m_Delay) + QStringLiteral("ms"));
        SetSaveActiveLook();
    }
}

void Macro::on_ChooseEvent_activated(int index)
{
    if (index == 1 || index == 2) {
        addKey dialog;
        PlaceDialog(&dialog, -50, -70);
        const int result = dialog.exec();
        if (result == QDialog::Accepted && dialog.m_Ok && HasSelectedMacro()) {
            rowsChanged = true;
            InsertKeyEvent(dialog.m_KeyName, index == 1);
            SetSaveActiveLook();
        }
    } else if (index == 3) {
        AddDelayTime dialog;
        PlaceDialog(&dialog, -50, -70);
        dialog.exec();
        if (dialog.m_Ok && HasSelectedMacro() && ui->listWidgetKey->currentRow() >= 0) {
            rowsChanged = true;
            InsertDelayItem(dialog.m_Delay);
            SetSaveActiveLook();
        }
    } else if (index >= 4 && index <= 8) {
        if (!HasSelectedMacro())
            return;
        const ChooseMouseItem &button = kChooseMouseItems[index - 4];
        rowsChanged = true;
        InsertMouseClick(g_MouseButtonNames[button.nameIndex], button.mask);
        SetSaveActiveLook();
    }
}

void Macro::on_DeleteKey_clicked()
{
    if (RefuseWhileRecording())
        return;
    if (!HasSelectedMacro())
        return;
    QListWidget *rows = ui->listWidgetKey;
    const int n = rows->count();
    if (n <= 3) {
        // Fewer rows than an event, a delay and an event: nothing can keep
        // the shape, so the whole list goes, and the device must hear of it.
        rows->clear();
        rowsChanged = true;
        SetSaveActiveLook();
        return;
    }
    const int c = rows->currentRow();
    if (c < 0)
        return;
    int partner = c + 1;
    if (c == n - 1 || IsDelayText(rows->item(c)->text()))
        partner = c - 1;
    const int first = qMin(c, partner);
    delete rows->takeItem(first + 1);
    delete rows->takeItem(first);
    rowsChanged = true;
    SetSaveActiveLook();
}

void Macro::on_listWidgetHong_clicked(QModelIndex)
{
    SetSaveIdleLook();
    ui->listWidgetKey->clear();
    repeatModeGroup->blockSignals(true);
    ui->NumberEdit->blockSignals(true);
    LoadMacroFile();
    repeatModeGroup->blockSignals(false);
    ui->NumberEdit->blockSignals(false);
}

void Macro::on_listWidgetHong_customContextMenuRequested(QPoint pos)
{
    QMenu menu(this);
    const QListWidgetItem *item = ui->listWidgetHong->itemAt(pos);
    contextMacro = item ? item->text() : QString();
    if (item) {
        connect(menu.addAction(exportText), &QAction::triggered, this, &Macro::ExPortMacro);
        connect(menu.addAction(renameText), &QAction::triggered, this, &Macro::RenameMacro);
        connect(menu.addAction(deleteText), &QAction::triggered, this, &Macro::DeleteMacro);
    } else {
        connect(menu.addAction(newText), &QAction::triggered, this, &Macro::CreateMewMacro);
        connect(menu.addAction(importText), &QAction::triggered, this, &Macro::InPortMacro);
    }
    menu.exec(QCursor::pos());
    contextMacro.clear();
}

void Macro::OnRepeatModeToggled(int, bool)
{
    repeatModeChanged = true;
    SetSaveActiveLook();
}

void Macro::on_NumberEdit_valueChanged(int)
{
    repeatModeChanged = true;
    SetSaveActiveLook();
}

void Macro::on_listWidgetKey_itemChanged(QListWidgetItem *)
{
    rowsChanged = true;
}

// Controls that act through their groups or only steer the recorder.
void Macro::on_NumberEdit_editingFinished()
{
}
void Macro::on_ReUntilLoose_released()
{
}
void Macro::on_ReUntilClick_released()
{
}
void Macro::on_ReNumber_released()
{
}
void Macro::on_InsertEvent_released()
{
}
void Macro::on_AutoInsertDelay_released()
{
}

// --- Keys, mouse, language -------------------------------------------------

void Macro::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    QWidget::keyPressEvent(event);
}

void Macro::mousePressEvent(QMouseEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return;
    if (!ui->DelayTime->geometry().contains(event->pos()) && !ui->NumberEdit->geometry().contains(event->pos())) {
        ui->DelayTime->clearFocus();
        ui->NumberEdit->clearFocus();
        setFocus(Qt::OtherFocusReason);
    }
}

void Macro::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange)
        return;
    const int chosen = ui->ChooseEvent->currentIndex();
    const int delay = ui->DelayTime->value();
    const int count = ui->NumberEdit->value();
    ui->ChooseEvent->blockSignals(true);
    ui->DelayTime->blockSignals(true);
    ui->NumberEdit->blockSignals(true);
    ui->retranslateUi(this);
    ui->ChooseEvent->setCurrentIndex(chosen);
    ui->DelayTime->setValue(delay);
    ui->NumberEdit->setValue(count);
    ui->ChooseEvent->blockSignals(false);
    ui->DelayTime->blockSignals(false);
    ui->NumberEdit->blockSignals(false);
}

LanguageLoader::KeyTable Macro::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    auto text = [&keys](const char *child, QWidget *widget) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            keys.insert(QString::fromLatin1(child), [label](const QString &t) { label->setText(t); });
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            keys.insert(QString::fromLatin1(child), [button](const QString &t) { button->setText(t); });
    };
    text("label", ui->label);
    text("label_2", ui->label_2);
    text("label_3", ui->label_3);
    text("DeleteHong", ui->DeleteHong);
    text("Amend", ui->Amend);
    text("DeleteKey", ui->DeleteKey);
    text("StartRecord", ui->StartRecord);
    text("StopRecord", ui->StopRecord);
    text("AutoInsertDelay", ui->AutoInsertDelayLabel);
    text("DefaultDelay", ui->DefaultDelay);
    text("ReUntilLoose", ui->ReUntilLooseLabel);
    text("ReUntilClick", ui->ReUntilClickLabel);
    text("ReUntil", ui->ReUntilLabel);
    text("ReNumber", ui->ReNumber);
    text("Save", ui->Save);

    // The tool tip repeats the caption only in the language whose caption
    // may not fit the button (stored index 5).
    const int storedIndex = LanguageLoader::StoredIndex();
    keys.insert(QStringLiteral("NewHong"), [this, storedIndex](const QString &t) {
        ui->NewHong->setText(t);
        ui->NewHong->setToolTip(storedIndex == 5 ? t : QString());
    });
    for (int item = 1; item <= 3; ++item)
        keys.insert(QStringLiteral("ChooseEvent") + QString::number(item),
                    [this, item](const QString &t) { ui->ChooseEvent->setItemText(item, t); });
    for (int item = 4; item <= 8; ++item) {
        const int nameIndex = kChooseMouseItems[item - 4].nameIndex;
        keys.insert(QStringLiteral("ChooseEvent") + QString::number(item), [this, item, nameIndex](const QString &t) {
            ui->ChooseEvent->setItemText(item, t);
            g_MouseButtonNames[nameIndex] = t;
        });
    }
    keys.insert(QStringLiteral("MacroReal"), [this](const QString &t) { macroLabelPrefix = t; });
    keys.insert(QStringLiteral("Key1"), [this](const QString &t) { exportText = t; });
    keys.insert(QStringLiteral("Key2"), [this](const QString &t) { renameText = t; });
    keys.insert(QStringLiteral("Key3"), [this](const QString &t) { deleteText = t; });
    keys.insert(QStringLiteral("Key4"), [this](const QString &t) { newText = t; });
    keys.insert(QStringLiteral("Key5"), [this](const QString &t) { importText = t; });
    keys.insert(QStringLiteral("BadName"), [this](const QString &t) { badNameText = t; });
    keys.insert(QStringLiteral("RenameFail"), [this](const QString &t) { renameFailText = t; });
    keys.insert(QStringLiteral("SaveFail"), [this](const QString &t) { saveFailText = t; });

    return keys;
}

bool Macro::MouseButtonOfAnyLanguage(const QString &name, int *mask)
{
    // The same children of the page's section that name the buttons in the
    // insert selector, read from every language file.
    int found = 0;
    LanguageLoader::KeyTable keys;
    for (int item = 4; item <= 8; ++item) {
        const int itemMask = kChooseMouseItems[item - 4].mask;
        keys.insert(QStringLiteral("ChooseEvent") + QString::number(item), [&found, &name, itemMask](const QString &t) {
            if (found == 0 && !t.isEmpty() && t == name)
                found = itemMask;
        });
    }
    for (int index = 0; index <= kLastLanguageIndex && found == 0; ++index) {
        LanguageReaderPtr reader;
        LanguageLoader::Load(index, QStringLiteral("Macro"), keys, reader);
    }
    if (found == 0)
        return false;
    *mask = found;
    return true;
}

// --- The recorder -----------------------------------------------------------

void Macro::on_StartRecord_clicked()
{
    if (!HasSelectedMacro()) {
        ExeIsRun notice;
        notice.ShowSecondText();
        PlaceDialog(&notice, -100, -50);
        notice.exec();
        return;
    }
    PostMsg::GetInstance()->EmitStartRecord(0);

    recordedEvents = 0;
    ui->ChooseEvent->setEnabled(false);
    rowsChanged = true;

    keyboardHook->InstallHook();
    keyboardHook->SetCallback(
        [this](int keyCode, bool downOrUp, bool aotu) { UpdateCapslockTip(keyCode, downOrUp, aotu); }, this);

    ui->StartRecord->hide();
    ui->StopRecord->show();
    g_MacroRecording = true;
    firstEvent = true;

    ui->listWidgetKey->clear();
    ui->DelayTime->hide();
    ui->NumberEdit->hide();
    ui->listWidgetHong->setEnabled(false);
    lastKeyCode = -1;
    heldKeys.clear();
}

void Macro::UpdateCapslockTip(int keyCode, bool downOrUp, bool)
{
    if (!g_MacroRecording) {
        eventTimer.restart();
        return;
    }

    // A held key repeats its press; a press of another key, even one that
    // was the last seen, is a real press.
    if (downOrUp) {
        if (heldKeys.contains(keyCode))
            return;
        heldKeys.insert(keyCode);
    } else {
        heldKeys.remove(keyCode);
    }
    lastKeyCode = keyCode;

    if (firstEvent) {
        eventTimer.restart();
        firstEvent = false;
    } else {
        const double ms =
            ui->AutoInsertDelay->isChecked() ? double(eventTimer.elapsed()) : double(ui->DelayTime->value());
        AddDelayItem(ms);
        eventTimer.restart();
    }

    bool hasName = false;
    const QString name = VirtualKeyToKeyName(keyCode, &hasName);
    if (!hasName) {
        firstEvent = true;
        return;
    }

    ++recordedEvents;
    AddKeyItem(name, downOrUp);

    if (recordedEvents >= MacroRecordCodec::MaxEvents) {
        // The device holds no more. The page keeps its recording look until
        // the user stops.
        g_MacroRecording = false;
        recordedEvents = 0;
        keyboardHook->UnInstallHook();
        KeyNumberLimit notice;
        PlaceDialog(&notice, -100, -50);
        notice.exec();
    }
}

void Macro::EndRecordingLook()
{
    PostMsg::GetInstance()->EmitStartRecord(1);
    keyboardHook->UnInstallHook();
    ui->StopRecord->hide();
    ui->StartRecord->show();
    ui->DelayTime->show();
    ui->NumberEdit->show();
    ui->listWidgetHong->setEnabled(true);
    g_MacroRecording = false;
    ui->ChooseEvent->setEnabled(true);
    recordedEvents = 0;
    lastKeyCode = -1;
    heldKeys.clear();
}

void Macro::on_StopRecord_clicked()
{
    EndRecordingLook();
    SetSaveActiveLook();
}

void Macro::SlotSetMacroPage()
{
    // Leaving the page ends a recording as Stop does, except that the rows
    // wait unsaved with Save idle.
    EndRecordingLook();
    SetSaveIdleLook();
}

// --- Device macro records ----------------------------------------------------

void Macro::SlotMacroDownLoadData(QString MacroName, int index)
{
    if (index < 0 || index >= 16)
        return;
    const KeyFunction function = FlashData::read([index](const FlashDataMap &m) { return m.Keys[index]; });
    MacroName.remove(QChar(0));
    // Only the macro on show: its rows are the ones the list holds. A save
    // of another macro (possible only through a rename's resend) keeps the
    // device's record as it is.
    if (!HasSelectedMacro() || MacroName != CurrentMacroName() || !g_UiReady)
        return;

    QVector<MacroRecordCodec::Row> rows;
    rows.reserve(ui->listWidgetKey->count());
    for (int i = 0; i < ui->listWidgetKey->count(); ++i) {
        const QListWidgetItem *item = ui->listWidgetKey->item(i);
        MacroRecordCodec::Row row;
        row.text = item->text();
        row.press = item->type() == 0;
        const QVariantList data = item->data(RowCodeRole).toList();
        if (data.size() == 2) {
            row.kind = data.at(0).toInt();
            row.code = data.at(1).toInt();
        }
        rows.append(row);
    }
    const MacroRecord record = MacroRecordCodec::Build(MacroName, rows);
    SetKeyMacro(index, function, record);
}

void Macro::SlotButtonToMacro(FlashDataMap DataMap, int KeyNumer)
{
    if (KeyNumer < 0 || KeyNumer >= 16)
        return;
    const MacroRecordCodec::Parsed parsed = MacroRecordCodec::Parse(DataMap.Macros[KeyNumer]);
    // The name comes from the device: it becomes a file only when it is one
    // the user could have given.
    if (!IsUsableNewName(parsed.name)) {
        qWarning() << "Macro record of button" << KeyNumer << "has a name that cannot be a macro file:" << parsed.name;
        return;
    }

    ui->listWidgetKey->clear();
    // The device's rows go straight to the file: the mode line and the rows
    // in one write (the button's function holds the repeat mode). The page
    // shows no rows afterwards.
    QList<QListWidgetItem *> rows;
    for (int k = 0; k < parsed.events.size(); ++k) {
        const MacroRecordCodec::Event &event = parsed.events.at(k);
        rows.append(MacroRowItems::NamedEventRow(m_PicturePath, event.name, event.press));
        if (k + 1 < parsed.events.size())
            rows.append(MacroRowItems::DelayRow(m_PicturePath, MacroRowItems::DelayText(event.delay)));
    }
    const bool written = WriteMacroFile(parsed.name, QString::number(DataMap.Keys[KeyNumer].Param2), rows);
    qDeleteAll(rows);
    QListWidget *macros = ui->listWidgetHong;
    if (!written) {
        // The device keeps the macro; the list gets no entry without its
        // file, and the next read of the button tries again.
        qWarning() << "Macro record of button" << KeyNumer << "not written to its file:" << parsed.name;
        macros->setCurrentRow(-1);
        return;
    }
    if (macros->findItems(parsed.name, Qt::MatchExactly).isEmpty()) {
        if (macros->currentRow() >= 0)
            macros->insertItem(macros->currentRow() + 1, parsed.name);
        else
            macros->addItem(parsed.name);
    }
    macros->setCurrentRow(-1);
    PostMsg::GetInstance()->EmitAddMacroButton();
}
