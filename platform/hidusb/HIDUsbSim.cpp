// Control API of the simulated devices (tests and people): the same bus and
// mice the C entry points use (SimLibrary.h), steered from outside.

#include "HIDUsbSim.h"
#include "SimLibrary.h"

#include <QtEndian>

#include <cstring>

using namespace HIDUsbSimCore;

namespace {

SimBus &bus()
{
    return SimLibrary::instance().bus;
}

// f(SimDevice &) on the entry of this id; the value f leaves in `out`, or
// `out`'s start value for an unknown id.
template<typename T, typename F>
T fromDevice(int id, T out, F f)
{
    bus().onId(id, [&](SimDevice &d) { out = f(d); });
    return out;
}

template<typename F>
void setControl(F f)
{
    bus().withControls([&](SimControls &c) { f(c); });
}

} // namespace

namespace HIDUsbSim {

QString sampleMidText(quint8 mid)
{
    return QString::number(mid);
}

QString sampleCacheFileName(quint8 mid)
{
    const auto hex = [](quint8 v) { return QString::number(v, 16).rightJustified(2, QLatin1Char('0')).toUpper(); };
    return QStringLiteral("Device_CID%1_MID%2.bin").arg(hex(sampleCid), hex(mid));
}

QString sampleMouseVerKey(quint8 mid)
{
    return QStringLiteral("MouseVer") + QString::number(sampleCid) + sampleMidText(mid);
}

QString sampleFailInfo(int kind, int type, quint8 mid)
{
    return QStringLiteral("%1,%2,%3,%4").arg(kind).arg(type).arg(sampleCid).arg(mid);
}

QByteArray sampleFirmwareModel(quint8 receiverType, quint8 mid)
{
    switch (receiverType) {
    case 0:
        return QByteArrayLiteral("OrvikR1K");
    case 4:
        return QByteArrayLiteral("OrvikR2K");
    case 1:
        return QByteArrayLiteral("OrvikR4K");
    default:
        return "OrvikM" + QByteArray::number(mid);
    }
}

DeviceSetup sampleReceiverMouse(const QString &name, const QString &mouse)
{
    DeviceSetup setup;
    setup.name = name;
    setup.mouse = mouse;
    setup.pid = "F503";
    setup.cid = sampleCid;
    setup.mid = sampleWirelessMid;
    setup.receiverType = 1;
    setup.receiverVersion = 0x0102;
    setup.mouseVersion = 0x0105;
    return setup;
}

DeviceSetup sampleCordedMouse(const QString &name, const QString &mouse)
{
    DeviceSetup setup;
    setup.name = name;
    setup.mouse = mouse;
    setup.pid = "F500";
    setup.cid = sampleCid;
    setup.mid = sampleCordedMid;
    setup.receiverType = 2;
    return setup;
}

void reset()
{
    SimLibrary &library = SimLibrary::instance();
    // The watcher first: a load that runs now finishes before the bus is
    // emptied, and one that comes later finds its file no longer watched.
    library.devicesFile.stop();
    library.bus.reset();
    library.log.clear();
}

int plug(const DeviceSetup &setup)
{
    return bus().plug(setup);
}

bool unplug(int id)
{
    return bus().unplug(id);
}

bool setOnline(int id, bool online)
{
    return bus().onId(id, [online](SimDevice &d) { d.setOnline(online); });
}

bool setBattery(int id, int level, bool charging)
{
    return bus().onId(id, [=](SimDevice &d) { d.mouse().setBattery(level, charging); });
}

QList<int> devices()
{
    return bus().ids();
}

QString path(int id)
{
    return fromDevice(id, QString(), [](SimDevice &d) { return QString::fromUtf8(d.path()); });
}

DeviceSetup setup(int id)
{
    return fromDevice(id, DeviceSetup(), [](SimDevice &d) { return d.currentSetup(); });
}

int idForPath(const QString &p)
{
    return bus().idForPath(p.toUtf8());
}

bool setIdentifyFrom(int id, int k)
{
    return bus().onId(id, [k](SimDevice &d) { d.setIdentifyFrom(k); });
}

int identifyAsks(int id)
{
    return fromDevice(id, 0, [](SimDevice &d) { return d.asks(); });
}

bool injectReport(const QByteArray &header, const QByteArray &data)
{
    return bus().inject(header, data);
}

void failNextFlash()
{
    failNextFlashAt(100);
}

void failNextFlashAt(int percent)
{
    setControl([percent](SimControls &c) { c.failNextFlashAt = qBound(0, percent, 100); });
}

void setFlashLeavesEnumeration(bool leaves)
{
    setControl([leaves](SimControls &c) { c.flashLeavesEnumeration = leaves; });
}

void setFlashTimeoutCap(int ms)
{
    setControl([ms](SimControls &c) { c.flashTimeoutCapMs = qMax(0, ms); });
}

QByteArray lastFlashedImage()
{
    return bus().withControls([](SimControls &c) { return c.lastFlashedImage; });
}

void failNextPairing()
{
    setControl([](SimControls &c) { c.failNextPairing = true; });
}

void setPairingSilent(bool silent)
{
    setControl([silent](SimControls &c) { c.pairingSilent = silent; });
}

void refuseNextUpdate()
{
    setControl([](SimControls &c) { c.refuseNextUpdate = true; });
}

void goOfflineAtNextUpdate()
{
    setControl([](SimControls &c) { c.offlineAtNextUpdate = true; });
}

void setOnlineAnswerHighBits(int bits)
{
    setControl([bits](SimControls &c) { c.onlineAnswerHighBits = bits & ~0xFF; });
}

void setFlashDuration(int ms)
{
    setControl([ms](SimControls &c) { c.flashDurationMs = qMax(0, ms); });
}

void setPairDuration(int ms)
{
    setControl([ms](SimControls &c) { c.pairDurationMs = qMax(0, ms); });
}

void setReportDelay(int ms)
{
    setControl([ms](SimControls &c) { c.reportDelayMs = qMax(0, ms); });
}

QByteArray lastRecord(int id)
{
    return fromDevice(id, QByteArray(), [](SimDevice &d) { return d.mouse().lastRecord(); });
}

int updateCount(int id)
{
    return fromDevice(id, 0, [](SimDevice &d) { return d.mouse().updates(); });
}

QByteArray storedRecord(int id, int config)
{
    return fromDevice(id, QByteArray(), [config](SimDevice &d) { return d.mouse().storedRecord(config); });
}

bool setStoredRecord(int id, const QByteArray &record, int config)
{
    return fromDevice(id, false, [&](SimDevice &d) { return d.mouse().setStoredRecord(record, config); });
}

int activeConfig(int id)
{
    return fromDevice(id, -1, [](SimDevice &d) { return d.mouse().activeConfig(); });
}

QByteArray factoryRecord(int mid)
{
    return SimMouse::factoryRecord(quint8(mid));
}

QByteArray dongleRgb(int id)
{
    return fromDevice(id, QByteArray(), [](SimDevice &d) { return d.dongleRgb(); });
}

bool longRange(int id)
{
    return fromDevice(id, false, [](SimDevice &d) { return d.longRange(); });
}

QString connectionPath()
{
    return QString::fromUtf8(bus().connectionPath());
}

bool connectionOpen()
{
    return bus().connectionOpen();
}

int hotplugPosts()
{
    return bus().hotplugPosts();
}

QStringList calls()
{
    return SimLibrary::instance().log.lines();
}

void clearCalls()
{
    SimLibrary::instance().log.clear();
}

int callCount(const QString &prefix)
{
    int n = 0;
    for (const QString &line : calls())
        if (line.startsWith(prefix))
            ++n;
    return n;
}

bool waitIdle(int timeoutMs)
{
    return bus().waitIdle(timeoutMs);
}

bool watchDevicesFile(const QString &fileName)
{
    return SimLibrary::instance().devicesFile.watch(fileName);
}

QString lastFileError()
{
    return SimLibrary::instance().devicesFile.lastError();
}

void setPollInterval(int ms)
{
    SimLibrary::instance().devicesFile.setPollInterval(ms);
}

QByteArray makeFirmwareImage(quint8 kind, quint8 cid, quint8 mid, quint32 versionWord, const QByteArray &modelName,
                             int payloadSize)
{
    const int size = HIDUSB_FW_HEADER_SIZE + qMax(0, payloadSize);
    QByteArray image(size, '\0');
    auto *b = reinterpret_cast<unsigned char *>(image.data());
    std::memcpy(b + HIDUSB_FW_OFFSET_MAGIC, HIDUSB_FW_MAGIC, 4);
    qToLittleEndian<quint32>(quint32(size), b + HIDUSB_FW_OFFSET_LENGTH);
    qToLittleEndian<quint32>(versionWord, b + HIDUSB_FW_OFFSET_VERSION);
    b[HIDUSB_FW_OFFSET_KIND] = kind;
    b[HIDUSB_FW_OFFSET_CID] = cid;
    b[HIDUSB_FW_OFFSET_MID] = mid;
    std::memcpy(b + HIDUSB_FW_OFFSET_MODEL, modelName.constData(),
                size_t(qMin(modelName.size(), HIDUSB_FW_MODEL_SIZE)));
    for (int i = HIDUSB_FW_HEADER_SIZE; i < size; ++i)
        b[i] = static_cast<unsigned char>(i * 7);
    return image;
}

} // namespace HIDUsbSim
