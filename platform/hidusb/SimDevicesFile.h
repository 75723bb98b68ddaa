#pragma once
// The devices file (HIDUSB_SIM_DEVICES): its parser, and the watcher that
// reads it now and then polls it, handing each version of it to the bus.
//
// Locking: the watcher's own std::mutex guards the watched name, its
// generation and the last fault. A load applies its entries to the bus while
// holding it (the bus takes its lock inside), so a reset or another file
// that comes meanwhile either waits for the load or makes it drop its entries:
// the order is always watcher lock, then bus lock.

#include "HIDUsbSim.h"

#include <QList>
#include <QString>

#include <mutex>

namespace HIDUsbSimCore {

class SimBus;

// Reads and parses a devices file (HIDUsbSim::parseDevicesJson); two
// entries may not share a path. False with the fault in *error (no entries).
bool readDevicesFile(const QString &fileName, QList<HIDUsbSim::DeviceSetup> *setups, QString *error);

class DevicesFileWatcher
{
public:
    explicit DevicesFileWatcher(SimBus &bus);
    DevicesFileWatcher(const DevicesFileWatcher &) = delete;
    DevicesFileWatcher &operator=(const DevicesFileWatcher &) = delete;

    // Reads the file now and then watches it (its modification time and size
    // polled on a library thread). A file that cannot be read or parsed gives
    // a message on stderr and no entries; false then.
    bool watch(const QString &fileName);
    // No file watched any more, no fault, the default poll interval.
    void stop();
    QString lastError();
    void setPollInterval(int ms);

private:
    bool load(const QString &fileName, quint64 generation);
    void monitorLoop();

    SimBus &m_bus;
    std::mutex m_mutex;
    QString m_file;
    quint64 m_generation = 0;
    qint64 m_stamp = -2; // mtime in ms + size mix; -1 missing
    QString m_error;
    int m_pollIntervalMs = 500;
    bool m_monitorStarted = false;
};

} // namespace HIDUsbSimCore
