#include "SimMouse.h"

#include "HIDUsbSim.h"

#include <QtEndian>

#include <cstddef>
#include <cstring>

namespace HIDUsbSimCore {

bool isReceiverType(quint8 type)
{
    return type == 0 || type == 1 || type == 4;
}

ImageHeader parseImage(const unsigned char *image)
{
    ImageHeader h;
    if (!image || std::memcmp(image, HIDUSB_FW_MAGIC, 4) != 0)
        return h;
    h.length = qFromLittleEndian<quint32>(image + HIDUSB_FW_OFFSET_LENGTH);
    if (h.length < HIDUSB_FW_HEADER_SIZE || h.length > 64u * 1024u * 1024u)
        return h;
    h.version = qFromLittleEndian<quint32>(image + HIDUSB_FW_OFFSET_VERSION);
    h.kind = image[HIDUSB_FW_OFFSET_KIND];
    h.cid = image[HIDUSB_FW_OFFSET_CID];
    h.mid = image[HIDUSB_FW_OFFSET_MID];
    const char *model = reinterpret_cast<const char *>(image + HIDUSB_FW_OFFSET_MODEL);
    h.model = QByteArray(model, int(qstrnlen(model, HIDUSB_FW_MODEL_SIZE)));
    h.valid = h.kind == HIDUSB_FW_KIND_MOUSE || h.kind == HIDUSB_FW_KIND_RECEIVER;
    return h;
}

// ------------------------------------------------------------------- mouse ---

SimMouse::SimMouse(const HIDUsbSim::DeviceSetup &first, int serial)
    : m_cid(first.cid)
    , m_mid(first.mid)
    , m_version(first.mouseVersion)
    , m_battery(first.battery)
    , m_charging(first.charging)
{
    for (int c = 0; c < ConfigCount; ++c)
        m_configs[c] = configRecord(c, m_mid);
    m_ownStatus = QByteArray(3, '\0');
    m_ownStatus[0] = char(0x5A);
    m_ownStatus[1] = char(0x10 + (serial & 0x0F));
    m_ownStatus[2] = char(serial & 0xFF ? serial & 0xFF : 1);
    m_status = first.statusBytes.size() == 3 ? first.statusBytes : m_ownStatus;
    m_fileBattery = first.battery;
    m_fileCharging = first.charging;
    m_fileVersion = first.mouseVersion;
    m_fileStatus = first.statusBytes;
}

bool SimMouse::takeFileValues(const HIDUsbSim::DeviceSetup &setup)
{
    const int battery = m_battery;
    const bool charging = m_charging;
    if (setup.battery != m_fileBattery) {
        m_battery = setup.battery;
        m_fileBattery = setup.battery;
    }
    if (setup.charging != m_fileCharging) {
        m_charging = setup.charging;
        m_fileCharging = setup.charging;
    }
    if (setup.mouseVersion != m_fileVersion) {
        m_version = setup.mouseVersion;
        m_fileVersion = setup.mouseVersion;
    }
    if (setup.statusBytes != m_fileStatus) {
        // No bytes in the file: the mouse's own again.
        m_status = setup.statusBytes.size() == 3 ? setup.statusBytes : m_ownStatus;
        m_fileStatus = setup.statusBytes;
    }
    return m_battery != battery || m_charging != charging;
}

void SimMouse::setBattery(int level, bool charging)
{
    m_battery = level;
    m_charging = charging;
}

bool SimMouse::selectConfig(int index)
{
    if (index < 0 || index >= ConfigCount)
        return false;
    m_active = index;
    return true;
}

QByteArray SimMouse::storedRecord(int config) const
{
    const int c = config < 0 ? m_active : config;
    return c < ConfigCount ? m_configs[c] : QByteArray();
}

bool SimMouse::setStoredRecord(const QByteArray &record, int config)
{
    QByteArray coded;
    if (config >= ConfigCount || !encodeRecord(record, &coded))
        return false;
    m_configs[config < 0 ? m_active : config] = record;
    return true;
}

void SimMouse::receiveRecord(const QByteArray &record)
{
    m_configs[m_active] = record;
    m_lastRecord = record;
    ++m_updates;
}

void SimMouse::factoryReset()
{
    m_configs[m_active] = factoryRecord(m_mid);
}

QByteArray SimMouse::fullRead() const
{
    QByteArray full;
    // Stored records always fit: receiveRecord's caller and setStoredRecord
    // refuse those that do not.
    encodeRecord(activeRecord(), &full);
    return full;
}

QByteArray SimMouse::currentDpiData() const
{
    return activeRecord().mid(2, 1);
}

QByteArray SimMouse::reportRateData() const
{
    return activeRecord().mid(0, 1);
}

QByteArray SimMouse::dpiLedData() const
{
    return activeRecord().mid(63, 4) + QByteArray(4, '\0');
}

QByteArray SimMouse::ledBarData() const
{
    return activeRecord().mid(67, 7) + QByteArray(2, '\0');
}

QByteArray SimMouse::batteryData() const
{
    QByteArray data(4, '\0');
    data[0] = char(m_battery);
    data[1] = m_charging ? 1 : 0;
    return data;
}

QByteArray SimMouse::versionData() const
{
    QByteArray data(2, '\0');
    data[0] = char(m_version >> 8);
    data[1] = char(m_version & 0xFF);
    return data;
}

QByteArray SimMouse::configData() const
{
    return QByteArray(1, char(m_active));
}

QByteArray SimMouse::factoryRecord(quint8 mid)
{
    // Built in a buffer of the record's own size: the compiler then sees every
    // index below against the real bound (a QByteArray's data() it cannot size).
    unsigned char b[RecordSize] = {};
    b[0] = 1;  // 1000 Hz
    b[1] = 4;  // four DPI levels in use
    b[2] = 1;  // second level active
    b[5] = 1;  // lift-off 1 mm
    b[6] = 4;  // debounce selector item
    b[8] = 6;  // lights off after 60 s
    b[13] = 6; // full performance 1 min
    // DPI codes: the sample corded model (Drive2) has a sensor counting in
    // steps of 100 DPI, the others in steps of 50; code = DPI / step - 1.
    static const int dpi50[8] = {400, 800, 1600, 3200, 5000, 6400, 8000, 10000};
    static const int dpi100[8] = {400, 800, 1200, 1600, 2400, 3200, 4800, 6400};
    const bool coarse = mid == HIDUsbSim::sampleCordedMid;
    static const unsigned char colour[8][3] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},     {255, 255, 0},
                                               {0, 255, 255}, {255, 0, 255}, {255, 255, 255}, {255, 128, 0}};
    for (std::ptrdiff_t i = 0; i < 8; ++i) {
        unsigned char *level = b + 15 + 6 * i;
        const int code = coarse ? dpi100[i] / 100 - 1 : dpi50[i] / 50 - 1;
        level[0] = static_cast<unsigned char>(code);
        level[1] = static_cast<unsigned char>(code);
        level[2] = 0;
        level[3] = colour[i][0];
        level[4] = colour[i][1];
        level[5] = colour[i][2];
    }
    b[63] = 1;   // DPI LED steady
    b[64] = 255; // brightest
    b[65] = 3;
    b[66] = 1;
    b[67] = 1; // light bar
    b[68] = 255;
    b[71] = 2;
    b[72] = 4;
    b[73] = 1;
    // Buttons: left, right, middle, back, forward, DPI up.
    static const unsigned char keys[6][3] = {{1, 1, 0}, {1, 2, 0}, {1, 4, 0}, {1, 8, 0}, {1, 16, 0}, {2, 1, 0}};
    for (std::ptrdiff_t k = 0; k < 6; ++k)
        std::memcpy(b + 74 + 3 * k, keys[k], 3);
    return QByteArray(reinterpret_cast<const char *>(b), RecordSize);
}

QByteArray SimMouse::configRecord(int config, quint8 mid)
{
    // The four on-board configurations differ in their active DPI level, so
    // a switch is visible.
    QByteArray r = factoryRecord(mid);
    r[2] = char(config % 4);
    return r;
}

bool SimMouse::encodeRecord(const QByteArray &record, QByteArray *fullRead)
{
    // "OV", format 1, 0, u32 LE length n, then n bytes of qCompress output.
    if (record.size() != RecordSize)
        return false;
    // The fast level packs every ordinary record well inside the room; only a
    // record that does not fit that way is worth the slow, tighter level.
    QByteArray packed = qCompress(record, 1);
    if (packed.size() > FullReadSize - 8)
        packed = qCompress(record, 9);
    if (packed.size() > FullReadSize - 8)
        return false;
    QByteArray out(FullReadSize, '\0');
    out[0] = 'O';
    out[1] = 'V';
    out[2] = 1;
    qToLittleEndian<quint32>(quint32(packed.size()), out.data() + 4);
    std::memcpy(out.data() + 8, packed.constData(), size_t(packed.size()));
    *fullRead = out;
    return true;
}

bool SimMouse::decodeRecord(const unsigned char *data, QByteArray *record)
{
    if (!data || data[0] != 'O' || data[1] != 'V' || data[2] != 1)
        return false;
    const quint32 n = qFromLittleEndian<quint32>(data + 4);
    if (n < 8 || n > quint32(FullReadSize - 8))
        return false;
    // qCompress puts the plain size first (big-endian); refuse anything but a
    // whole record before zlib allocates for it.
    if (qFromBigEndian<quint32>(data + 8) != quint32(RecordSize))
        return false;
    const QByteArray plain = qUncompress(data + 8, int(n));
    if (plain.size() != RecordSize)
        return false;
    *record = plain;
    return true;
}

// ------------------------------------------------------------------ device ---

namespace {

HIDUsbSim::DeviceSetup completed(HIDUsbSim::DeviceSetup setup, const SimMouse &mouse)
{
    if (setup.dongleRgb.size() != HIDUSB_DONGLE_RGB_SIZE) {
        QByteArray rgb(HIDUSB_DONGLE_RGB_SIZE, '\0');
        rgb[0] = 1;
        setup.dongleRgb = rgb;
    }
    if (setup.identifyFrom < 1)
        setup.identifyFrom = 1;
    // The entries of one mouse identify as that mouse.
    setup.cid = mouse.cid();
    setup.mid = mouse.mid();
    return setup;
}

bool parseHex(const QString &text, uint *out)
{
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        t = t.mid(2);
    bool ok = false;
    *out = t.toUInt(&ok, 16);
    return ok;
}

} // namespace

SimDevice::SimDevice(int id, const HIDUsbSim::DeviceSetup &setup, const QByteArray &path,
                     std::shared_ptr<SimMouse> mouse, bool fromFile)
    : m_id(id)
    , m_setup(completed(setup, *mouse))
    , m_path(path)
    , m_mouse(std::move(mouse))
    , m_fromFile(fromFile)
{
    if (fromFile)
        m_fileSetup = setup;
}

HIDUsbSim::DeviceSetup SimDevice::currentSetup() const
{
    HIDUsbSim::DeviceSetup s = m_setup;
    s.mouseVersion = m_mouse->version();
    s.battery = m_mouse->battery();
    s.charging = m_mouse->charging();
    s.statusBytes = m_mouse->status();
    s.path = QString::fromUtf8(m_path);
    return s;
}

bool SimDevice::hasIds(uint vid, uint pid) const
{
    uint v = 0, p = 0;
    return parseHex(m_setup.vid, &v) && parseHex(m_setup.pid, &p) && v == vid && p == pid;
}

QByteArray SimDevice::identify()
{
    ++m_asks;
    QByteArray info(3, '\0');
    if (m_asks >= m_setup.identifyFrom) {
        info[0] = char(m_setup.cid);
        info[1] = char(m_setup.mid);
        info[2] = char(m_setup.receiverType);
    }
    return info;
}

void SimDevice::setIdentifyFrom(int k)
{
    m_setup.identifyFrom = qMax(1, k);
    m_asks = 0;
}

QByteArray SimDevice::statusBytes() const
{
    // The bytes name the mouse: its receiver and its cable answer the same.
    return m_mouse->status();
}

bool SimDevice::startPairing(quint8 cid, Clock::duration duration, bool fail)
{
    m_pairState = 1;
    m_pairEnd = Clock::now() + duration;
    m_pairFail = fail || !isReceiver();
    m_pairCid = cid;
    return isReceiver();
}

quint8 SimDevice::pairingStatus(Clock::time_point now)
{
    if (m_pairState == 1 && now >= m_pairEnd) {
        m_pairState = m_pairFail ? 2 : 3;
        if (m_pairState == 3) {
            m_setup.online = true;
            if (m_setup.cid == 0)
                m_setup.cid = m_pairCid;
        }
    }
    return quint8(m_pairState);
}

bool SimDevice::fitsImage(const ImageHeader &h) const
{
    const quint8 kind = isReceiver() ? HIDUSB_FW_KIND_RECEIVER : HIDUSB_FW_KIND_MOUSE;
    const QByteArray model = m_setup.firmwareModel.isEmpty()
        ? HIDUsbSim::sampleFirmwareModel(m_setup.receiverType, m_setup.mid)
        : m_setup.firmwareModel;
    return kind == h.kind && m_setup.cid == h.cid && m_setup.mid == h.mid && model == h.model;
}

bool SimDevice::finishFlash(const ImageHeader &h, bool ok)
{
    if (ok) {
        const quint16 v = quint16(((h.version >> 8) & 0xFF) << 8 | (h.version & 0xFF));
        if (h.kind == HIDUSB_FW_KIND_MOUSE)
            m_mouse->setVersion(v);
        else
            m_setup.receiverVersion = v;
        const bool back = m_setup.bootMode;
        m_setup.bootMode = false;
        return back;
    }
    if (!h.valid)
        return false;
    // An interrupted flash leaves the device waiting in boot mode.
    const bool gone = !m_setup.bootMode;
    m_setup.bootMode = true;
    return gone;
}

bool SimDevice::sameFileEntry(const HIDUsbSim::DeviceSetup &b) const
{
    const HIDUsbSim::DeviceSetup &a = m_fileSetup;
    return a.name == b.name && a.path == b.path && a.vid == b.vid && a.pid == b.pid && a.cid == b.cid && a.mid == b.mid
        && a.receiverType == b.receiverType && a.receiverVersion == b.receiverVersion && a.mouse == b.mouse
        && a.bootMode == b.bootMode && a.longRange == b.longRange && a.identifyFrom == b.identifyFrom
        && a.dongleRgb == b.dongleRgb && a.firmwareModel == b.firmwareModel;
}

void SimDevice::takeFileSetup(const HIDUsbSim::DeviceSetup &fileSetup)
{
    m_setup.online = fileSetup.online;
    m_fileSetup = fileSetup;
}

} // namespace HIDUsbSimCore
