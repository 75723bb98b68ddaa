// The settings page's receiver options: long-range mode and the receiver's
// LED mode, offered by the model's "Adveanced" items (item 0 long range,
// item 1 LED mode, "-1" not offered) and, for the LED mode, only on a 4 kHz
// receiver. What the device reports is display only; only the user's own
// clicks go to the receiver.

#include "FormSetting.h"
#include "FormSettingForm.h"

#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"
#include "OfflineAction.h"
#include "PostMsg.h"

#include <QSignalBlocker>

namespace {

const QString kNotOffered = QStringLiteral("-1");

// A receiver (1, 2 or 4 kHz), not the mouse on its cable.
bool IsReceiverType(uchar type)
{
    return ModelInfo::ReceiverClassOf(type) != 0;
}

// Asks the receiver before a write; offline, the user is told.
bool ReceiverAnswers()
{
    if (OfflineAction::DeviceAnswers())
        return true;
    PostMsg::GetInstance()->EmitMouseOffLineo(0);
    return false;
}

} // namespace

QStringList FormSetting::AdvancedItems() const
{
    QStringList items = ModelInfo(g_CurrentDevice.get()).Advanced();
    // A missing item offers nothing.
    while (items.size() < 2)
        items << kNotOffered;
    for (QString &item : items)
        item = item.trimmed();
    return items;
}

void FormSetting::ShowLongRangeSection(bool show)
{
    for (QWidget *w : std::initializer_list<QWidget *>{ui->TitleButton_6, ui->label_11, ui->checkBox_2, ui->textEdit})
        w->setVisible(show);
}

void FormSetting::ShowLedSection(bool show)
{
    for (QWidget *w : std::initializer_list<QWidget *>{ui->TitleButton_7, ui->label_14, ui->ReUntil, ui->ReUntil_2,
                                                       ui->ReUntil_3, ui->textEdit_2, ui->textEdit_3, ui->textEdit_4})
        w->setVisible(show);
}

void FormSetting::ApplyLayout(bool tall)
{
    const int height = tall ? TallHeight : CompactHeight;
    ui->scrollAreaWidgetContents->setMinimumSize(880, height);
    ui->scrollAreaWidgetContents->setMaximumSize(880, height);
    ui->pushButton_3->move(610, tall ? 700 : 540);
    ui->pushButton_4->move(490, tall ? 720 : 560);
}

void FormSetting::SetCheckedQuietly(QCheckBox *box, bool checked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

void FormSetting::SlotForm()
{
    ShowOfferedSections(true);
}

void FormSetting::SlotFormB()
{
    // An applied import shows nothing new: it only hides what is not offered.
    ShowOfferedSections(false);
}

void FormSetting::ShowOfferedSections(bool showLongRange)
{
    const QStringList items = AdvancedItems();
    const DeviceAllInfo device = g_CurrentDevice.get();
    if (items.at(1) == kNotOffered)
        ShowLedSection(false);
    if (items.at(0) == kNotOffered)
        ShowLongRangeSection(false);
    else if (showLongRange)
        ShowLongRangeSection(true);
    if (IsReceiverType(device.ReceiverType)) {
        ShowLedSection(false);
        ApplyLayout(false);
    }
    if (device.Wired) {
        ShowLongRangeSection(false);
        ShowLedSection(false);
        ApplyLayout(false);
    }
}

void FormSetting::SlotFormResetForm()
{
    ShowLongRangeSection(false);
    ShowLedSection(false);
    // Only the display: the receiver keeps its long-range mode.
    SetCheckedQuietly(ui->checkBox_2, false);
    ApplyLayout(false);
}

void FormSetting::SlotLongRangeMode(bool Select)
{
    if (AdvancedItems().at(0) == kNotOffered)
        return;
    ShowLongRangeSection(true);
    SetCheckedQuietly(ui->checkBox_2, Select);
}

void FormSetting::SlotRGBValue(DongleRGB *Rgb)
{
    const DeviceAllInfo device = g_CurrentDevice.get();
    if (AdvancedItems().at(1) == kNotOffered || device.Wired || device.ReceiverType != 1)
        return;
    ShowLedSection(true);
    // The worker hands the shared block; read it under its lock.
    const quint8 mode = Rgb == g_DongleRGB ? DongleLighting::snapshot().Mode : (Rgb ? Rgb->Mode : 0);
    QCheckBox *box = nullptr;
    switch (mode) {
    case 1:
        box = ui->ReUntil;
        break;
    case 2:
        box = ui->ReUntil_2;
        break;
    case 3:
        box = ui->ReUntil_3;
        break;
    default:
        break;
    }
    if (box) {
        // The exclusive group unchecks the previous box; none of the three
        // may send the reported mode back.
        const QSignalBlocker b1(ui->ReUntil);
        const QSignalBlocker b2(ui->ReUntil_2);
        const QSignalBlocker b3(ui->ReUntil_3);
        box->setChecked(true);
    }
    ApplyLayout(true);
}

void FormSetting::on_checkBox_2_toggled(bool checked)
{
    if (!g_UiReady || !ReceiverAnswers())
        return;
    UsbFinderC_SetLongRangeMode(g_DevicePath.get().c_str(), checked ? 1 : 0);
}

void FormSetting::on_checkBox_2_clicked(bool)
{
}

void FormSetting::SendLedMode(int mode, bool checked)
{
    // Switching boxes runs the old box's handler (unchecked) and then the new
    // one's: only the new one speaks, so an offline receiver is reported once.
    if (!checked || !g_UiReady || !ReceiverAnswers())
        return;
    // Bytes 1 to 9 are the library's: they go back as they are.
    const std::string path = g_DevicePath.get();
    DongleLighting::modify([&](DongleRGB &rgb) {
        rgb.Mode = quint8(mode);
        UsbFinderC_Set4KDongleRGB(path.c_str(), &rgb);
    });
}

void FormSetting::on_ReUntil_toggled(bool checked)
{
    SendLedMode(1, checked);
}

void FormSetting::on_ReUntil_2_toggled(bool checked)
{
    SendLedMode(2, checked);
}

void FormSetting::on_ReUntil_3_toggled(bool checked)
{
    SendLedMode(3, checked);
}
