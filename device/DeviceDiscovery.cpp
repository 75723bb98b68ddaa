#include "DeviceDiscovery.h"

#include "ConfigIni.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"

#include <atomic>
#include <cstring>

namespace {

// Answer buffer of UsbFinderC_GetDeviceOnLineWithUsbAddress for the device
// list page's search (the worker's is g_UsbAddressBuffer).
unsigned char g_PickerAddressBuffer[10] = {};

// The enumeration returns at most this many paths per product ID.
constexpr int MaxPathsPerPid = 5;
// UsbFinderC_GetDeviceInfo is asked at most this often; the last ask never counts.
constexpr int MaxInfoAsks = 10;

QStringList nonEmpty(const QStringList &items)
{
    QStringList out;
    for (const QString &item : items)
        if (!item.isEmpty())
            out << item;
    return out;
}

QList<char> statusBytesOf(const unsigned char *buffer10)
{
    return QList<char>() << char(buffer10[7]) << char(buffer10[8]) << char(buffer10[9]);
}

} // namespace

namespace DeviceDiscovery {

SearchIds ReadSearchIds()
{
    ConfigIni *config = ConfigIni::GetInstance();
    SearchIds ids;
    ids.Vid = config->GetValue("Option", "VID");
    ids.InterfaceId = config->GetValue("Option", "InterfaceId").toInt();
    ids.DeviceId = config->GetValue("Option", "DeviceId").toInt();
    ids.UsbPids = config->GetValueList("Option", "USB_PID");
    ids.Wireless1KPids = config->GetValueList("Option", "Wireless_PID");
    ids.Wireless2KPids = config->GetValueList("Option", "Wireless2_PID");
    ids.Wireless4KPids = config->GetValueList("Option", "Wireless4_PID");
    const QStringList all = nonEmpty(ids.UsbPids) + nonEmpty(ids.Wireless1KPids) + nonEmpty(ids.Wireless2KPids)
        + nonEmpty(ids.Wireless4KPids);
    ids.Pids = all.toVector();
    return ids;
}

bool AskDeviceInfo(const QByteArray &path, unsigned char answer[3])
{
    std::memset(answer, 0, 3);
    for (int ask = 1; ask <= MaxInfoAsks; ++ask) {
        const unsigned char *info = UsbFinderC_GetDeviceInfo(path.constData());
        if (info)
            std::memcpy(answer, info, 3);
        else
            std::memset(answer, 0, 3);
        if (answer[0] != 0 || answer[1] != 0)
            return ask < MaxInfoAsks;
    }
    return false;
}

IdentifyResult Identify(DeviceAllInfo &info, const QByteArray &path)
{
    const int total = ModelInfo::ModelCount();
    unsigned char answer[3];
    const bool answered = AskDeviceInfo(path, answer);
    IdentifyResult result = NoAnswer;
    if (answered && total > 0) {
        const int cid = ModelInfo::Cid();
        result = (answer[0] == cid) ? UnknownModel : ForeignCid;
        const int index = result == UnknownModel ? ModelInfo::IndexOfMid(answer[1]) : -1;
        if (index >= 0) {
            info.CID = answer[0];
            info.MID = answer[1];
            info.ReceiverType = answer[2];
            info.ModelIndex = index;
            info.Wired = IsWiredType(answer[2]);
            return KnownModel;
        }
    }
    info.ModelIndex = total;
    info.Wired = IsWiredType(answer[2]);
    return result;
}

QList<DeviceAllInfo> Enumerate(const QString &vid, const QVector<QString> &pids, bool picker)
{
    QList<DeviceAllInfo> found;
    const QByteArray vid8 = vid.toLatin1();
    for (const QString &pid : pids) {
        const QByteArray pid8 = pid.toLatin1();
        int count = MaxPathsPerPid;
        char **paths = picker ? UsbFinderC_FindHidDevicesByDefaultDeviceId(vid8.constData(), pid8.constData(), &count)
                              : UsbFinderC_FindHidDevicesByDeviceId(vid8.constData(), pid8.constData(), 1, 5, &count);
        if (!paths)
            continue;
        // Never trust the count beyond the room the call was given.
        count = qBound(0, count, MaxPathsPerPid);
        for (int i = 0; i < count; ++i) {
            if (!paths[i])
                continue;
            DeviceAllInfo info;
            info.Path = QString::fromLatin1(paths[i]);
            info.VID = vid;
            info.PID = pid;
            unsigned char attribute[12] = {};
            UsbFinderC_GetUsbDeviceAttribute(paths[i], attribute);
            info.ReceiverVersion = VersionText(quint16(attribute[8] | (attribute[9] << 8)));
            found << info;
        }
    }
    return found;
}

bool IdentifyForPicker(DeviceAllInfo &info)
{
    const QByteArray path = info.Path.toLatin1();
    if (Identify(info, path) == KnownModel && IsOnline(path.constData()))
        info.Online = true;
    return ModelInfo::ModelCount() > 0;
}

void FindForPicker(const QString &vid, const QVector<QString> &pids, int interfaceId, int deviceId)
{
    Q_UNUSED(interfaceId)
    Q_UNUSED(deviceId)
    for (DeviceAllInfo info : Enumerate(vid, pids, true)) {
        if (IdentifyForPicker(info))
            g_PickerDeviceList.append(info);
    }
}

void SearchForPicker()
{
    const SearchIds ids = ReadSearchIds();
    g_PickerDeviceList.clear();
    g_Wireless2KPids = ids.Wireless2KPids;
    g_Wireless4KPids = ids.Wireless4KPids;
    g_Wireless1KPids = ids.Wireless1KPids;
    FindForPicker(ids.Vid, ids.Pids, ids.InterfaceId, ids.DeviceId);
}

bool RefreshPickerEntry(int index, bool identify)
{
    if (index < 0 || index >= g_PickerDeviceList.size())
        return false;
    DeviceAllInfo entry = g_PickerDeviceList.at(index);
    entry.Online = false;
    const AddressAnswer answer = AskWithAddress(entry.Path.toLatin1(), g_PickerAddressBuffer);
    if (identify)
        IdentifyForPicker(entry);
    entry.Online = answer.online;
    entry.StatusBytes = answer.statusBytes;
    g_PickerDeviceList[index] = entry;
    return g_PickerAddressBuffer[7] != 0 || g_PickerAddressBuffer[8] != 0 || g_PickerAddressBuffer[9] != 0;
}

QString VersionText(quint32 version)
{
    return QStringLiteral("v") + QString::number(version >> 8) + QStringLiteral(".")
        + QString::number(version & 0xFF, 16);
}

bool IsWiredType(uchar receiverType)
{
    // No receiver class: the mouse is on its cable.
    return ModelInfo::ReceiverClassOf(receiverType) == 0;
}

namespace {
std::atomic<void (*)()> s_ListWatch{nullptr};
} // namespace

void SetListWatch(void (*callback)())
{
    s_ListWatch = callback;
}

void RestoreListWatch()
{
    if (void (*callback)() = s_ListWatch.load())
        StartUsbChanged(callback, 600);
}

bool SameStatusBytes(const DeviceAllInfo &a, const DeviceAllInfo &b)
{
    return a.StatusBytes == b.StatusBytes;
}

bool IsOnline(const char *path)
{
    return (UsbFinderC_GetDeviceOnLine(path) & 0xFF) != 0;
}

bool SelectedIsOnline()
{
    return IsOnline(g_DevicePath.get().c_str());
}

AddressAnswer AskWithAddress(const QByteArray &path, unsigned char *buffer10)
{
    std::memset(buffer10, 0, 10);
    UsbFinderC_GetDeviceOnLineWithUsbAddress(path.constData(), buffer10);
    AddressAnswer answer;
    answer.online = buffer10[6] == 1;
    answer.statusBytes = statusBytesOf(buffer10);
    return answer;
}

} // namespace DeviceDiscovery
