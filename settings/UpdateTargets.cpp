#include "UpdateTargets.h"

#include "DeviceDiscovery.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"

namespace UpdateTargets {

const DeviceAllInfo *ReceiverBeside(const QList<DeviceAllInfo> &list)
{
    if (list.size() != 2)
        return nullptr;
    for (const DeviceAllInfo &entry : list)
        if (!entry.StatusBytes.isEmpty() && !entry.Wired)
            return &entry;
    return nullptr;
}

int CurrentReceiverClass()
{
    const DeviceAllInfo current = g_CurrentDevice.get();
    if (!current.Wired)
        return ModelInfo::ReceiverClassOf(current.ReceiverType);
    const DeviceAllInfo *receiver = ReceiverBeside(g_DeviceList);
    return receiver ? ModelInfo::ReceiverClassOf(receiver->ReceiverType) : 0;
}

VersionTexts ShownVersions()
{
    const DeviceAllInfo current = g_CurrentDevice.get();
    VersionTexts texts;
    if (current.Online && current.Wired) {
        if (const DeviceAllInfo *receiver = ReceiverBeside(g_DeviceList))
            texts.Receiver = receiver->ReceiverVersion;
    } else {
        texts.Receiver = current.ReceiverVersion;
    }
    if (current.Online)
        texts.Mouse = current.MouseVersion;
    return texts;
}

QString ReceiverOwnVersion(const QString &path)
{
    int version = 0;
    const QByteArray bytes = path.toUtf8();
    if (!UsbFinderC_GetSlaveVersion(bytes.constData(), &version))
        return QString();
    return DeviceDiscovery::VersionText(quint32(version) & 0xFFFF);
}

} // namespace UpdateTargets
