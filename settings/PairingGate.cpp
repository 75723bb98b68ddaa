#include "PairingGate.h"

#include "ContainReset.h"
#include "DialogSkeleton.h"
#include "FirmwareImage.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "ModelInfo.h"
#include "RePair.h"
#include "SettingsState.h"
#include "UpDateRepair.h"
#include "UpDateWarning.h"
#include "UpdateRegistry.h"

namespace PairingGate {

void Run(const DeviceAllInfo &device, QWidget *opener, const QString &mouseIsNewText, bool askBeforePairing,
         const std::function<void()> &pair)
{
    // Nothing opens over a flash that still runs (a repair dialog closed
    // before its first report): pairing then would disturb it.
    if (!g_UpgradeIdle)
        return;

    const ModelInfo model(device);
    const QString cidText = ModelInfo::CidText();
    const QString midText = model.MidText();
    const int cid = cidText.toInt();
    const int mid = midText.toInt();
    const QString mouseVersion = UpdateRegistry::MouseVersion(cidText, midText);
    if (mouseVersion.isEmpty()) {
        pair();
        return;
    }

    const bool mouseNewer =
        FormSetting::FindFirmware(FirmwareImage::KindMouse, mouseVersion, model.MouseFirmwareName(), cid, mid);

    // The receiver's "DM" image is looked for even when the model names none.
    // Only the search: the update dialog is built where it is shown.
    const QString receiverName = model.ReceiverFirmwareName();
    bool receiverNewer = false;
    if (model.ReceiverClass() == 1 || !receiverName.isEmpty())
        receiverNewer = FirmwareImage::SearchImage(FirmwareImage::KindReceiver, device.ReceiverVersion, receiverName,
                                                   cid, mid, nullptr);

    if (receiverNewer && !mouseNewer) {
        ContainReset question;
        question.SetText(mouseIsNewText);
        DialogSkeleton::MoveOver(&question, opener, -20, 0);
        question.exec();
        if (question.m_Ok) {
            UpDateRepair repair(nullptr, UpDateRepair::Mode::Update);
            DialogSkeleton::MoveOver(&repair, opener, 0, 0);
            if (repair.FindFirmware(FirmwareImage::KindReceiver, device.ReceiverVersion, receiverName, cid, mid))
                repair.StartRepair(0);
            repair.exec();
        }
    } else if (!receiverNewer && mouseNewer) {
        UpDateWarning warning;
        warning.SetText(g_WiredModeText);
        DialogSkeleton::MoveOver(&warning, opener, -20, 0);
        warning.exec();
    } else if (askBeforePairing) {
        RePair question;
        DialogSkeleton::MoveOver(&question, opener, 0, 0);
        question.exec();
        if (question.m_Ok)
            pair();
    } else {
        pair();
    }
}

} // namespace PairingGate
