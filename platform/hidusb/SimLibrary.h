#pragma once
// The simulated library as one object: the bus with its mice, the devices
// file watcher and the call log. HIDUsb.cpp (the C entry points) and
// HIDUsbSim.cpp (the control API) both work on it. It is made on the first
// call of either, from the environment (HIDUSB_SIM_DEVICES, HIDUSB_SIM_LOG),
// and never destroyed: its threads are detached and may still run while the
// process exits.

#include "SimBus.h"
#include "SimDevicesFile.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <mutex>

namespace HIDUsbSimCore {

// One line per library call, kept in memory (at least the last 20000) and
// appended to the log file when one is named. Its own lock: calls are logged
// from every thread, also while the bus lock is taken elsewhere.
class SimCallLog
{
public:
    // Appends to this file from now on; false when it cannot be opened.
    bool openFile(const QByteArray &fileName);
    void append(const QString &line);
    QStringList lines();
    void clear();

private:
    std::mutex m_mutex;
    QStringList m_lines;
    FILE *m_file = nullptr;
};

class SimLibrary
{
public:
    static SimLibrary &instance();

    SimBus bus;
    DevicesFileWatcher devicesFile{bus};
    SimCallLog log;

private:
    SimLibrary();
};

} // namespace HIDUsbSimCore
