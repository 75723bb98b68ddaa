#include "MainFrameDiscovery.h"

#include "DeviceDiscovery.h"
#include "FirmwareImage.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "Worker.h"

#include <QDir>

void MainFrameDiscovery::SelectDevice(DeviceAllInfo info)
{
    const QByteArray path = info.Path.toLocal8Bit();
    if (DeviceDiscovery::IsOnline(path.constData())) {
        g_CurrentDevice.set(info);
        g_DevicePath.set(path.toStdString());
    }
    g_WorkerRunEnable = true;
    if (Worker *worker = g_Worker.load())
        worker->start(QThread::InheritPriority);
}

int MainFrameDiscovery::IdentifyDevice(DeviceAllInfo &info, const QByteArray &path)
{
    const int result = DeviceDiscovery::Identify(info, path);
    if (result != DeviceDiscovery::KnownModel)
        return result;
    const DeviceAllInfo current = g_CurrentDevice.get();
    if (current.Path.isEmpty()) {
        info.Online = DeviceDiscovery::IsOnline(path.constData());
        return result;
    }
    const DeviceDiscovery::AddressAnswer answer = DeviceDiscovery::AskWithAddress(path, g_UsbAddressBuffer);
    info.Online = answer.online;
    info.StatusBytes = answer.statusBytes;
    if (info.Path == current.Path) {
        g_CurrentDevice.update([&](DeviceAllInfo &device) {
            const QString mouseVersion = device.MouseVersion;
            const QString receiverVersion = device.ReceiverVersion;
            device = info;
            if (!mouseVersion.isEmpty())
                device.MouseVersion = mouseVersion;
            if (!receiverVersion.isEmpty())
                device.ReceiverVersion = receiverVersion;
        });
    }
    return result;
}

void MainFrameDiscovery::FindDevices(QString vid, QVector<QString> pids, int interfaceId, int deviceId)
{
    Q_UNUSED(interfaceId)
    Q_UNUSED(deviceId)
    for (DeviceAllInfo info : DeviceDiscovery::Enumerate(vid, pids, false)) {
        const DeviceAllInfo current = g_CurrentDevice.get();
        if (current.Path.isEmpty()) {
            g_DeviceList.append(info);
            continue;
        }
        const QByteArray path = info.Path.toLatin1();
        if (IdentifyDevice(info, path) == DeviceDiscovery::KnownModel) {
            if (info.ModelIndex == current.ModelIndex) {
                g_DeviceList.append(info);
                if (info.Path == current.Path)
                    g_DevicePath.set(path.toStdString());
            }
        } else {
            g_DeviceList.append(info);
        }
    }
}

void MainFrameDiscovery::UsbChangedCallBack()
{
    PostMsg *hub = PostMsg::GetInstance();
    hub->EmitSetver(4);

    const DeviceDiscovery::SearchIds ids = DeviceDiscovery::ReadSearchIds();
    g_DeviceList.clear();
    FindDevices(ids.Vid, ids.Pids, ids.InterfaceId, ids.DeviceId);

    // The list may change under us: a slot of a signal below can re-enter the
    // search. Walk a copy.
    const QList<DeviceAllInfo> entries = g_DeviceList;
    if (entries.isEmpty()) {
        // Nothing left. During a firmware update the device is expected to
        // vanish for a while: stay on the main frame and keep the selection.
        if (g_UpgradeIdle) {
            g_CurrentDevice.set(DeviceAllInfo());
            hub->EmitChangeMainDialog(0);
        }
    }
    int missing = 0;
    for (const DeviceAllInfo &entry : entries) {
        const DeviceAllInfo current = g_CurrentDevice.get();
        // The mouse, so far used through its receiver, is now on its cable.
        const bool cableOfCurrent = entry.ModelIndex == current.ModelIndex && entry.Wired && entry.Online
            && !current.Wired && DeviceDiscovery::SameStatusBytes(entry, current);
        if (!current.Path.isEmpty()) {
            if (cableOfCurrent)
                SelectDevice(entry);
        } else if (!current.Wired && current.Online) {
            if (cableOfCurrent)
                SelectDevice(entry);
        } else if (entry.Path.isEmpty() && entry.Online) {
            SelectDevice(entry);
        }

        const DeviceAllInfo now = g_CurrentDevice.get();
        if (entry.Path != now.Path && !now.Path.isEmpty()) {
            ++missing;
            if (missing == entries.size() && g_UpgradeIdle)
                hub->EmitChangeMainDialog(0);
        }
    }

    const DeviceAllInfo current = g_CurrentDevice.get();
    if (!current.Wired)
        return;

    // The receiver the corded mouse belongs to: only when exactly the mouse and
    // its receiver are listed. Without one there is no class and no text, so no
    // receiver update is offered.
    QString receiverVersion;
    int receiverClass = 0;
    if (entries.size() == 2) {
        for (const DeviceAllInfo &entry : entries) {
            if (!entry.StatusBytes.isEmpty() && !entry.Wired) {
                receiverVersion = entry.ReceiverVersion;
                receiverClass = ModelInfo::ReceiverClassOf(entry.ReceiverType);
                break;
            }
        }
    }
    if (receiverClass == 0)
        receiverVersion.clear();
    if (QDir(FirmwareImage::Folder()).exists()) {
        const bool available =
            FirmwareImage::IsUpdateAvailable(FirmwareImage::KindReceiver, receiverVersion, receiverClass);
        g_DongleUpdatePending = available;
        hub->EmitLabelTextB(receiverVersion, available ? QStringLiteral("true") : QString());
    } else {
        hub->EmitLabelTextB(receiverVersion, QString());
    }
}
