#include "DialogChange.h"
#include "DialogChangeForm.h"

#include "BackgroundWhileShown.h"
#include "DeviceAllInfo.h"
#include "DeviceDiscovery.h"
#include "DeviceListState.h"
#include "DialogSkeleton.h"
#include "EventWait.h"
#include "FirmwareImage.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "LanguageLoader.h"
#include "MacroIni.h"
#include "Match.h"
#include "ModelInfo.h"
#include "PairingGate.h"
#include "PostMsg.h"
#include "QuestiondialogB.h"
#include "SettingsState.h"
#include "SheetOnShow.h"
#include "Skin.h"
#include "UpDateRepair.h"
#include "UpdateRegistry.h"
#include "UserPaths.h"
#include "Worker.h"
#include "mytoolButtonEnter.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace {

// A tile's click handler may open modal dialogs, and a hot-plug callback that
// arrives inside such a dialog rebuilds the tiles. The widgets of the old
// build must outlive every click handler still on the stack, so they are only
// hidden and parked here while a click is being handled, and handed to
// deleteLater once the outermost click handler has returned.
int s_ClickDepth = 0;

// Two mice of one model in one class were found before the top-level window
// was shown; the notice follows once it is.
bool s_DuplicateNoticePending = false;
QList<QPointer<QWidget>> s_RetiredWidgets;

void RetireWidget(QWidget *widget)
{
    if (!widget)
        return;
    widget->hide();
    if (s_ClickDepth > 0)
        s_RetiredWidgets.append(widget);
    else
        widget->deleteLater();
}

void ReleaseRetiredWidgets()
{
    const QList<QPointer<QWidget>> retired = s_RetiredWidgets;
    s_RetiredWidgets.clear();
    for (const QPointer<QWidget> &widget : retired) {
        if (widget)
            widget->deleteLater();
    }
}

struct ClickScope
{
    ClickScope() { ++s_ClickDepth; }
    ~ClickScope()
    {
        if (--s_ClickDepth == 0)
            ReleaseRetiredWidgets();
    }
    ClickScope(const ClickScope &) = delete;
    ClickScope &operator=(const ClickScope &) = delete;
};

// Position of the tiles on their stack page, by the number of tiles the page
// holds and the slot on it: button, marks, class icon.
struct TileSlot
{
    QPoint button;
    QPoint marks;
    QPoint icon;
};

TileSlot SlotPosition(int tilesOnPage, int slot)
{
    static const TileSlot three[3] = {
        {QPoint(0, 0), QPoint(225, 20), QPoint(7, 10)},
        {QPoint(300, 0), QPoint(525, 20), QPoint(307, 10)},
        {QPoint(600, 0), QPoint(825, 20), QPoint(607, 10)},
    };
    static const TileSlot two[2] = {
        {QPoint(135, 0), QPoint(360, 20), QPoint(142, 10)},
        {QPoint(445, 0), QPoint(665, 20), QPoint(452, 10)},
    };
    static const TileSlot one = {QPoint(305, 0), QPoint(530, 20), QPoint(312, 10)};
    if (tilesOnPage >= 3)
        return three[qBound(0, slot, 2)];
    if (tilesOnPage == 2)
        return two[qBound(0, slot, 1)];
    return one;
}

QString ButtonSheet(const QString &picture)
{
    return "QToolButton{border:0px;background-position:center;background-repeat:no-repeat;background-image: url("
        + g_DeviceListPicturePath + picture + ");color: rgb(255, 255, 255);}";
}

QString MarkSheet(const QString &picture)
{
    return "QLabel{border:0px;background-position:center;background-repeat:no-repeat;background-image: url("
        + g_DeviceListPicturePath + picture + ");color: rgb(255, 255, 255);}";
}

// Hovering a tile refreshes its state; a sheet set again unchanged would be
// parsed and the tile polished again for nothing.
void SetSheet(QWidget *widget, const QString &sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

QString OfflineTooltip()
{
    return g_OfflineTips1Text + "\n" + g_OfflineTips2Text;
}

QWidget *FindTileWidget(const QList<QWidget *> &list, const QString &name)
{
    for (QWidget *widget : list) {
        if (widget && widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

// The library takes the path in the local 8-bit encoding here.
bool AnswersOnline(const DeviceAllInfo &info)
{
    const QByteArray path = info.Path.toLocal8Bit();
    return DeviceDiscovery::IsOnline(path.constData());
}

} // namespace

DialogChange::DialogChange(QWidget *parent)
    : QWidget(parent)
{
    // 1. Form; the page is reachable for the static device code from now on.
    ui = new Ui_DialogChange;
    ui->setupUi(this);
    g_DeviceListPage = this;
    ui->comboBox->setCurrentIndex(0);

    // 2. Picture folders.
    const QString appDir = UserPaths::appDir();
    g_DeviceListPicturePath = appDir + "/Picture/DialogChange/";
    const QString P = g_DeviceListPicturePath;
    const QString W = appDir + "/Picture/WarningDialog/";

    // 3. Colours.
    const QString L = Skin::Rgb("LabelColor");
    const QString K = Skin::Rgb("ButtonColor");

    // 4. Style sheets.
    // Held decoded only while the list is shown (the main frame has its own).
    BackgroundWhileShown::Attach(ui->frameChange, P + "MainBack.png", this);
    ui->frameChange->setStyleSheet("#frameChange{border-image: url(" + P + "MainBack.png" + ");}");
    ui->CloseButton->setStyleSheet(Skin::ImageButtonSheet(P, "Close.png", "CloseHover.png", "CloseClick.png"));
    ui->MinButton->setStyleSheet(Skin::ImageButtonSheet(P, "Min.png", "MinHover.png", "MinClick.png"));
    ui->Repair->setStyleSheet("#Repair{border:0px;background-image: url(" + P + "Repair.png"
                              + ");background-position:center;background-repeat:no-repeat;}");
    ui->RightButton->setStyleSheet("QToolButton{border-image: url(" + P + "Right.png"
                                   + ");}QToolButton:hover{border-image: url(" + P + "RightClick.png" + ");}");
    ui->LeftButton->setStyleSheet("QToolButton{border-image: url(" + P + "Left.png"
                                  + ");}QToolButton:hover{border-image: url(" + P + "LeftClick.png" + ");}");
    ui->comboBox->setStyleSheet(Skin::ComboSheet(P, false));
    ui->FindVerlaebl->setStyleSheet("QLabel{color: rgb(" + L + ";);}");
    // The version notice is hidden until a newer firmware is found.
    SheetOnShow::Set(ui->NewHong,
                     "QToolButton{border:0px;background-position:center;background-repeat:no-repeat;color: rgb(" + K
                         + ";);border-image: url(" + W + "Confirm.png" + ");}QToolButton:pressed{border-image: url(" + W
                         + "ConfirmClick.png" + "); }",
                     ui->FindVer);
    SheetOnShow::Set(ui->CloseButton_2, Skin::ImageButtonSheet(W, "Close.png", "CloseHover.png", "CloseClick.png"),
                     ui->FindVer);
    SheetOnShow::Set(ui->FindVer,
                     "#FindVer{border:0px;background-position:center;background-repeat:no-repeat;background-image: url("
                         + W + "BackGround.png" + ");}",
                     ui->FindVer);
    SheetOnShow::Set(ui->NoApear,
                     "QCheckBox{color: rgb(" + L + ";);}QCheckBox::indicator:checked {image: url(" + W
                         + "CheckBoxCheck.png" + ");}QCheckBox::indicator:unchecked {image: url(" + W + "CheckBox.png"
                         + ");}",
                     ui->FindVer);

    // 5. The selector's popup. Its styled list view is made when the popup
    // first opens: making it here was about 8 % of what the start costs
    // before the first paint.
    ui->comboBox->SetListViewSheet(Skin::ComboListSheet());
    ui->comboBox->setMaxVisibleItems(5);

    // 6. Both texts until the first build; no arrows.
    ui->label_2->show();
    ui->label_3->show();
    ui->LeftButton->hide();
    ui->RightButton->hide();

    // 7. Hub.
    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, &PostMsg::SigChangeLanguage, this, &DialogChange::ChangeDialogLanguage);
    connect(hub, &PostMsg::SigLanguageSameA, this, &DialogChange::SlotSameLanguageA);
    connect(hub, &PostMsg::SigUpDateButton, this, &DialogChange::SlotUpDateButton);
    connect(hub, &PostMsg::SigEnterKey, this, &DialogChange::SlotEnterKey);

    // 8. Repair shown while a failed firmware update is recorded.
    ui->Repair->hide();
    if (UpdateRegistry::HasFailInfo())
        ui->Repair->show();

    // 9. Number of models.
    g_DeviceTotal = ModelInfo::ModelCount();

    // 10. Language.
    const int language = MacroIni::GetInstance()->GetValue("Language", "Language").toInt();
    ui->comboBox->setCurrentIndex(language);
    ChangeDialogLanguage(language);

    // 11. The new-firmware notice is never shown.
    ui->FindVer->hide();

    // Hovering a tile refreshes the online state of its entry.
    mytoolButtonEnter::SetDeviceList([] { return int(g_PickerDeviceList.size()); },
                                     [](int index) { return DialogChange::UpDataDeviceOnline(index); });

    // 12. The tiles appear when the library calls the hot-plug callback.
    DeviceDiscovery::SetListWatch(&DialogChange::UsbChangedCallBack);
    DeviceDiscovery::RestoreListWatch();
}

DialogChange::~DialogChange()
{
    if (g_DeviceListPage == this)
        g_DeviceListPage = nullptr;
    // The tiles are children of the stack pages and go with the page.
    g_TileButtons.clear();
    g_TileOfflineMarks.clear();
    g_TileLinkMarks.clear();
    g_TileClassIcons.clear();
    delete ui;
}

void DialogChange::SetRepairShown(bool shown)
{
    ui->Repair->setVisible(shown);
    ui->label_2->setText(shown ? g_RepairDeviceText : g_Label2Text);
}

// ---------------------------------------------------------------------------
// Discovery (the search itself lives in DeviceDiscovery)

void DialogChange::UsbChangedCallBack()
{
    DialogChange *page = g_DeviceListPage;
    if (page)
        page->SetRepairShown(UpdateRegistry::HasFailInfo());
    DeviceDiscovery::SearchForPicker();
    UpDataDeviceList();
}

void DialogChange::FindDevices(QString vid, QVector<QString> pids, int interfaceId, int deviceId)
{
    DeviceDiscovery::FindForPicker(vid, pids, interfaceId, deviceId);
}

bool DialogChange::IdentifyDevice(DeviceAllInfo &info)
{
    return DeviceDiscovery::IdentifyForPicker(info);
}

bool DialogChange::CheckDeviceOnline(int index)
{
    return DeviceDiscovery::RefreshPickerEntry(index, false);
}

bool DialogChange::UpDataDeviceOnline(int index)
{
    if (g_PickerDeviceList.isEmpty())
        return true;
    // An index outside the list (a tile of an earlier build) refreshes nothing.
    if (index < 0 || index >= g_PickerDeviceList.size())
        return true;
    DeviceDiscovery::RefreshPickerEntry(index, true);
    ApplyTileState(index);
    return true;
}

// ---------------------------------------------------------------------------
// Page build

QWidget *DialogChange::BuildTilePage(int first, int count)
{
    QWidget *page = new QWidget;
    const QStringList &pids1 = g_Wireless1KPids;
    const QStringList &pids2 = g_Wireless2KPids;
    const QStringList &pids4 = g_Wireless4KPids;
    for (int slot = 0; slot < count; ++slot) {
        const int n = first + slot;
        // A copy: the list is rebuilt on hot-plug while this entry is still in use.
        // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
        const DeviceAllInfo entry = g_PickerDeviceList.at(n);
        const TileSlot pos = SlotPosition(count, slot);

        mytoolButtonEnter *button = new mytoolButtonEnter(page);
        button->setObjectName("btn" + QString::number(n));
        button->setFixedSize(284, 360);
        button->setFocusPolicy(Qt::NoFocus);
        button->move(pos.button);
        // No picture yet: the state of the tile (online, offline, unknown)
        // is known only after UpDataDeviceList refreshes the entry, and each
        // sheet set here decodes its 284 x 360 picture at once, so a
        // provisional one would be decoded for nothing.
        g_TileButtons.append(button);

        QLabel *offline = new QLabel(page);
        offline->setObjectName("label" + QString::number(n));
        offline->setFixedSize(32, 32);
        offline->setFocusPolicy(Qt::NoFocus);
        offline->move(pos.marks);
        offline->setToolTip(OfflineTooltip());
        offline->setStyleSheet(MarkSheet("DisOnline.png"));
        offline->hide();
        g_TileOfflineMarks.append(offline);

        QLabel *link = new QLabel(page);
        link->setObjectName("UsbWifi" + QString::number(n));
        link->setFixedSize(32, 32);
        link->setFocusPolicy(Qt::NoFocus);
        link->move(pos.marks);
        link->hide();
        g_TileLinkMarks.append(link);

        QString classPicture;
        if (pids2.contains(entry.PID))
            classPicture = "2KHz.png";
        else if (pids4.contains(entry.PID))
            classPicture = "4KHz.png";
        else if (pids1.contains(entry.PID))
            classPicture = "1KHz.png";
        if (!classPicture.isEmpty()) {
            QLabel *icon = new QLabel(page);
            icon->setFixedSize(42, 26);
            icon->setFocusPolicy(Qt::NoFocus);
            icon->move(pos.icon);
            icon->setStyleSheet("QLabel{background-image: url(" + g_DeviceListPicturePath + classPicture + ");}");
            g_TileClassIcons.append(icon);
        }
    }
    return page;
}

void DialogChange::UpDataDeviceList()
{
    DialogChange *page = g_DeviceListPage;
    if (!page)
        return;
    Ui_DialogChange *ui = page->ui;

    // 1. Drop the tiles of the previous build and its stack pages.
    for (QList<QWidget *> *tiles : {&g_TileButtons, &g_TileOfflineMarks, &g_TileClassIcons, &g_TileLinkMarks}) {
        for (QWidget *w : qAsConst(*tiles))
            RetireWidget(w);
        tiles->clear();
    }
    for (int i = ui->stackedWidget->count() - 1; i >= 0; --i) {
        QWidget *stackPage = ui->stackedWidget->widget(i);
        ui->stackedWidget->removeWidget(stackPage);
        RetireWidget(stackPage);
    }

    s_DuplicateNoticePending = false;

    // 2. Nothing found: no tiles, so no page arrows either.
    if (g_PickerDeviceList.isEmpty()) {
        ui->label_2->show();
        ui->label_3->hide();
        ui->LeftButton->hide();
        ui->RightButton->hide();
        return;
    }

    // 3. Count the devices per connection class and model; refresh each
    // entry's online state and status bytes.
    const int columns = qMax(g_DeviceTotal, 0) + 1;
    QVector<QVector<int>> table(4, QVector<int>(columns, 0));
    for (int i = 0; i < g_PickerDeviceList.size(); ++i) {
        const DeviceAllInfo &entry = g_PickerDeviceList.at(i);
        int cls = -1;
        if (entry.Wired)
            cls = 0;
        else if (g_Wireless1KPids.contains(entry.PID))
            cls = 1;
        else if (g_Wireless4KPids.contains(entry.PID))
            cls = 2;
        else if (g_Wireless2KPids.contains(entry.PID))
            cls = 3;
        if (cls >= 0 && entry.ModelIndex >= 0 && entry.ModelIndex < columns)
            ++table[cls][entry.ModelIndex];
        CheckDeviceOnline(i);
    }

    // 4. Duplicates, and a mouse on its cable shown without the receiver
    // entries of its own model.
    bool duplicate = false;
    for (int m = 0; m < g_DeviceTotal && m < columns; ++m) {
        bool twoInOneClass = false;
        for (int cls = 0; cls < 4; ++cls) {
            if (table[cls][m] >= 2)
                twoInOneClass = true;
        }
        if (twoInOneClass) {
            duplicate = true;
        } else if (!duplicate && table[0][m] == 1) {
            for (int i = g_PickerDeviceList.size() - 1; i >= 0; --i) {
                const DeviceAllInfo &entry = g_PickerDeviceList.at(i);
                if (entry.ModelIndex == m && !entry.Wired)
                    g_PickerDeviceList.removeAt(i);
            }
        }
    }

    // 5. Two devices of one model in one class: the notice replaces the tiles.
    if (duplicate) {
        ui->label_2->show();
        ui->label_3->hide();
        ui->LeftButton->hide();
        ui->RightButton->hide();
        // The first search runs while the top-level window is still being
        // built; a modal notice then would stand alone on the desktop. It
        // waits until the window is on screen.
        if (!page->window()->isVisible()) {
            page->QueueDuplicateNotice();
            return;
        }
        ShowDuplicateNotice(page);
        return;
    }

    // 6. Tiles, three to a page.
    ui->label_2->hide();
    ui->label_3->show();
    const int total = g_PickerDeviceList.size();
    for (int first = 0; first < total; first += 3)
        ui->stackedWidget->addWidget(BuildTilePage(first, qMin(3, total - first)));
    ui->stackedWidget->setCurrentIndex(0);

    // 7. Arrows.
    ui->RightButton->setVisible(total > 3);
    ui->LeftButton->hide();

    // 8. Current state of every tile; clicks start the selection.
    const QList<QWidget *> buttons = g_TileButtons;
    for (QWidget *button : buttons) {
        const int n = button->objectName().remove("btn").toInt();
        UpDataDeviceOnline(n);
        connect(static_cast<QToolButton *>(button), &QToolButton::clicked, page, &DialogChange::slotButtonClicked);
    }
}

void DialogChange::ShowDuplicateNotice(QWidget *over)
{
    QuestiondialogB notice;
    DialogSkeleton::MoveOver(&notice, over, 0, 0);
    notice.exec();
}

void DialogChange::QueueDuplicateNotice()
{
    s_DuplicateNoticePending = true;
    window()->installEventFilter(this);
}

bool DialogChange::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::Show) {
        watched->removeEventFilter(this);
        // After the show has finished, so the notice opens over the window.
        QTimer::singleShot(0, this, [this] {
            if (!s_DuplicateNoticePending || !window()->isVisible())
                return;
            s_DuplicateNoticePending = false;
            ShowDuplicateNotice(this);
        });
    }
    return QWidget::eventFilter(watched, event);
}

void DialogChange::ApplyTileState(int index)
{
    if (index < 0 || index >= g_PickerDeviceList.size())
        return;
    const DeviceAllInfo &entry = g_PickerDeviceList.at(index);
    const QString n = QString::number(index);
    QWidget *button = FindTileWidget(g_TileButtons, "btn" + n);
    QWidget *offline = FindTileWidget(g_TileOfflineMarks, "label" + n);
    QWidget *link = FindTileWidget(g_TileLinkMarks, "UsbWifi" + n);
    if (link)
        SetSheet(link, MarkSheet(entry.Wired ? "OnLineUsb.png" : "OnLineWifi.png"));
    if (entry.ModelIndex == g_DeviceTotal) {
        if (button)
            SetSheet(button, ButtonSheet("Unknow.png"));
        if (link)
            link->show();
    } else if (entry.Online) {
        if (button)
            SetSheet(button, ButtonSheet("OnLine0.png"));
        if (offline)
            offline->hide();
        if (link)
            link->show();
    } else {
        if (button)
            SetSheet(button, ButtonSheet("DisOnlin0.png"));
        if (offline) {
            offline->setToolTip(OfflineTooltip());
            offline->show();
        }
        if (link)
            link->hide();
    }
}

// ---------------------------------------------------------------------------
// Page arrows

void DialogChange::on_RightButton_clicked()
{
    const int c = ui->stackedWidget->currentIndex();
    const int k = ui->stackedWidget->count();
    if (k == 0)
        return;
    ui->label_2->hide();
    ui->label_3->show();
    if (c == k - 2) {
        ui->LeftButton->show();
        ui->RightButton->hide();
    }
    if (c + 1 < k)
        ui->stackedWidget->setCurrentIndex(c + 1);
}

void DialogChange::on_LeftButton_clicked()
{
    const int c = ui->stackedWidget->currentIndex();
    if (ui->stackedWidget->count() == 0)
        return;
    ui->label_2->hide();
    ui->label_3->show();
    if (c == 1) {
        ui->LeftButton->hide();
        ui->RightButton->show();
    }
    if (c >= 1)
        ui->stackedWidget->setCurrentIndex(c - 1);
}

// ---------------------------------------------------------------------------
// Language

void DialogChange::ChangeDialogLanguage(int index)
{
    LanguageLoader::KeyTable keys;
    keys.insert("label_2", [this](const QString &t) {
        g_Label2Text = t;
        if (!ui->Repair->isVisible())
            ui->label_2->setText(t);
    });
    keys.insert("RepairDevice", [this](const QString &t) {
        g_RepairDeviceText = t;
        if (ui->Repair->isVisible())
            ui->label_2->setText(t);
    });
    keys.insert("label_3", [this](const QString &t) { ui->label_3->setText(t); });
    keys.insert("OfflineTips1", [](const QString &t) { g_OfflineTips1Text = t; });
    keys.insert("OfflineTips2", [](const QString &t) { g_OfflineTips2Text = t; });
    keys.insert("label", [this](const QString &t) { ui->FindVerlaebl->setText(t); });
    keys.insert("NewHong", [this](const QString &t) { ui->NewHong->setText(t); });
    keys.insert("NoApear", [this](const QString &t) { ui->NoApear->setText(t); });
    keys.insert("MouseIsNewTips", [](const QString &t) { g_MouseIsNewTipsText = t; });
    if (!LanguageLoader::Load(index, "DialogChange", keys, m_Reader))
        return;
    for (QWidget *mark : qAsConst(g_TileOfflineMarks))
        mark->setToolTip(OfflineTooltip());
}

void DialogChange::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->comboBox->blockSignals(true);
        ui->retranslateUi(this);
        ui->comboBox->setCurrentIndex(0);
        ui->comboBox->blockSignals(false);
    }
}

// ---------------------------------------------------------------------------
// Hub and form slots

void DialogChange::SlotSameLanguageA(int index)
{
    ui->comboBox->setCurrentIndex(index);
}

void DialogChange::SlotUpDateButton(bool IsHide)
{
    SetRepairShown(!IsHide);
    // A flash has ended: the devices now report the firmware they run (a
    // receiver its new version), and a device that came back from its boot
    // loader may not announce itself. The list is read again, so a click
    // hands the settings page the version the receiver has now.
    if (isVisible() && this == g_DeviceListPage) {
        DeviceDiscovery::SearchForPicker();
        UpDataDeviceList();
    }
}

void DialogChange::SlotEnterKey()
{
    if (ui->FindVer->isVisible())
        ui->FindVer->hide();
    else if (ui->Repair->isVisible())
        on_Repair_clicked();
}

void DialogChange::on_CloseButton_clicked()
{
    PostMsg::GetInstance()->EmitChangeSize(3);
}

void DialogChange::on_MinButton_clicked()
{
    PostMsg::GetInstance()->EmitChangeSize(2);
}

void DialogChange::on_comboBox_activated(int index)
{
    MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(index));
    PostMsg::GetInstance()->EmitChangeLanguage(index);
    PostMsg::GetInstance()->EmitLanguageSameB(index);
}

void DialogChange::on_Repair_clicked()
{
    // Building the dialog starts the repair of the recorded failed update.
    UpDateRepair repair;
    PlaceDialog(&repair, 0, 0);
    repair.exec();
    // The repair drops a malformed record without a flash, so no flash's
    // end tells the button to go: it stays only while a record is left.
    SetRepairShown(UpdateRegistry::HasFailInfo());
}

void DialogChange::on_CloseButton_2_clicked()
{
    ui->FindVer->hide();
}

void DialogChange::on_NewHong_clicked()
{
    ui->FindVer->hide();
}

void DialogChange::on_NoApear_clicked(bool checked)
{
    MacroIni::GetInstance()->SetValue("FindNew", "IsShow", checked ? "1" : "0");
}

void DialogChange::PlaceDialog(QWidget *dialog, int dx, int dy) const
{
    DialogSkeleton::MoveOver(dialog, this, dx, dy);
}

// ---------------------------------------------------------------------------
// Device selection

void DialogChange::slotButtonClicked()
{
    emit TileClicked();
    ClickScope scope;
    PostMsg *hub = PostMsg::GetInstance();

    // 1.
    hub->EmitSetver(6);

    // 2. The clicked entry, by the tile's name. The list may change while a
    // dialog of this click is open, so the entry is copied first.
    QObject *tile = sender();
    if (!tile)
        return;
    const int i = tile->objectName().remove("btn").toInt();
    if (i < 0 || i >= g_PickerDeviceList.size())
        return;
    // A copy: the list is rebuilt on hot-plug while this entry is still in use.
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
    const DeviceAllInfo E = g_PickerDeviceList.at(i);

    // 3. Model number for the main frame.
    const int mid = ModelInfo(E).Mid();
    if (mid == 1)
        hub->EmitMouseIndex(0);
    else if (mid == 2)
        hub->EmitMouseIndex(1);

    // 4. Twin entries: the clicked one offline, the other one online.
    if (g_PickerDeviceList.size() == 2 && (i == 0 || i == 1)) {
        // A copy: the list is rebuilt on hot-plug while this entry is still in use.
        // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
        const DeviceAllInfo O = g_PickerDeviceList.at(1 - i);
        if (E.CID == O.CID && E.MID == O.MID) {
            bool twin;
            if (i == 0)
                twin = !AnswersOnline(E) && AnswersOnline(O);
            else
                twin = AnswersOnline(O) && !AnswersOnline(E);
            if (twin) {
                PairingCheck(E);
                return;
            }
        }
    }

    // 5. No known model.
    if (E.ModelIndex == g_DeviceTotal) {
        if (!E.Wired)
            PairingCheck(E);
        return;
    }

    // 6.
    SelectDevice(E);
}

void DialogChange::PairingCheck(const DeviceAllInfo &E)
{
    PairingGate::Run(E, this, g_MouseIsNewTipsText, true, [this, E] { RunMatch(E); });
}

void DialogChange::RunMatch(const DeviceAllInfo &E)
{
    g_PairChosenDevice = true;
    g_ChosenDevice = E;
    Match match;
    match.InitMatch();
    PlaceDialog(&match, 0, 0);
    match.exec();
}

void DialogChange::SelectDevice(const DeviceAllInfo &E)
{
    PostMsg *hub = PostMsg::GetInstance();

    // 1. The worker takes the record as the current device.
    hub->EmitSelectMouseInfo(E);

    // 2.-4. Receiver firmware check for the settings page.
    const int receiverClass = ModelInfo(E).ReceiverClass();
    QString second;
    if (QDir(UserPaths::firmwareFolder()).exists()) {
        const bool available = FormSetting::IsUpdateAvailable(0xD3, E.ReceiverVersion, receiverClass);
        g_DongleUpdatePending = available;
        if (available)
            second = "true";
    }
    hub->EmitLabelTextB(E.ReceiverVersion, second);

    // The main frame's hot-plug watch starts inside the switch below, and its
    // first call may find the device gone and send the window back here.
    bool sentBack = false;
    const QMetaObject::Connection backWatch = connect(hub, &PostMsg::SigChangeMainDialog, this, [&sentBack](int index) {
        if (index == 0)
            sentBack = true;
    });

    // 5. The main frame takes over.
    hub->EmitChangeMainDialog(1);

    // 6. The pages settle before the first read; events are served meanwhile.
    EventWait::For(150);

    // 7. First read; the worker's pass acts only with both flags set. Only
    // while the selection still stands: no read starts over the list.
    disconnect(backWatch);
    if (sentBack)
        return;
    g_WorkerRunEnable = true;
    g_MainPageActive = 1;
    if (Worker *worker = g_Worker.load())
        worker->start(QThread::InheritPriority);
}
