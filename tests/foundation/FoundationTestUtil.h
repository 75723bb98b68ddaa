#pragma once
// Helpers shared by the foundation tests: records with recognisable
// contents and a simulated mouse connected as the current device.

#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"

#include <QByteArray>

namespace FoundationTest {

// A record whose every byte is known and non-zero, and that the device's
// memory coding can carry (it repeats, so it compresses).
inline FlashDataMap patternRecord(quint8 base, int period)
{
    FlashDataMap record;
    auto *bytes = reinterpret_cast<quint8 *>(&record);
    for (int i = 0; i < int(sizeof record); ++i)
        bytes[i] = quint8(base + i % period);
    return record;
}

inline QByteArray bytesOf(const FlashDataMap &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

inline void ignoreReports(unsigned char *, int, unsigned char *, int)
{
}

// Plugs one mouse on a 4 kHz receiver, makes it the current device and opens
// the connection, so ProtocolDataUpdate reaches it. Returns the simulator id.
inline int connectMouse()
{
    HIDUsbSim::reset();
    HIDUsbSim::DeviceSetup setup;
    setup.name = "foundation";
    const int id = HIDUsbSim::plug(setup);
    const QByteArray path = HIDUsbSim::path(id).toLatin1();
    g_DevicePath.set(path.constData());
    UsbServerC_Start(path.constData(), path.constData(), ignoreReports);
    return id;
}

} // namespace FoundationTest
