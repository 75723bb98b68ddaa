#include "PairingGate.h"

#include "ContainReset.h"
#include "DialogSkeleton.h"
#include "FirmwareImage.h"
#include "FormSetting.h"
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

    // Building the repair dialog also runs its repair of a recorded failed update.
    UpDateRepair repair;
    DialogSkeleton::MoveOver(&repair, opener, 0, 0);

    // The receiver's "DM" image is looked for even when the model names none.
    const QString receiverName = model.ReceiverFirmwareName();
    bool receiverNewer = false;
    if (model.ReceiverClass() == 1 || !receiverName.isEmpty())
        receiverNewer =
            repair.FindFirmware(FirmwareImage::KindReceiver, device.ReceiverVersion, receiverName, cid, mid);

    if (receiverNewer && !mouseNewer) {
        ContainReset question;
        question.SetText(mouseIsNewText);
        DialogSkeleton::MoveOver(&question, opener, -20, 0);
        question.exec();
        if (question.m_Ok) {
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
