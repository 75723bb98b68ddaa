#pragma once
// The device worker: connects the program to the selected mouse and keeps the
// pages fed.
//
// One Worker exists, kept in g_Worker; its start and stop belong to the
// DeviceLink the button page holds. It is created on the GUI thread, so its slots and its 1300 ms
// timer run there, while run() makes one pass on the worker thread per start.
// run() and DeviceDataCallBack (the library's thread) reach the pages through
// blocking hub connections and must never run on the GUI thread.
//
// This file is the pass and the check only: the reports are handled in
// DeviceReports, the search while the main frame is shown in
// MainFrameDiscovery, the cache file in DeviceCache; the static functions
// below keep their old names for the callers.

#include "DeviceAllInfo.h"
#include "DeviceCache.h"
#include "DeviceReports.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "MainFrameDiscovery.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>

class QTimer;

class Worker : public QThread
{
    Q_OBJECT

public:
    Worker();

    // ---- discovery while the main frame is shown (MainFrameDiscovery, GUI thread)
    static void UsbChangedCallBack() { MainFrameDiscovery::UsbChangedCallBack(); }
    static void FindDevices(QString vid, QVector<QString> pids, int interfaceId, int deviceId)
    {
        MainFrameDiscovery::FindDevices(vid, pids, interfaceId, deviceId);
    }
    static int IdentifyDevice(DeviceAllInfo &info, const QByteArray &path)
    {
        return MainFrameDiscovery::IdentifyDevice(info, path);
    }
    static void SelectDevice(DeviceAllInfo info) { MainFrameDiscovery::SelectDevice(info); }

    static void Stop();
    // Before the process ends: DeviceLink::Shutdown.
    static bool Shutdown(int timeoutMs = 10000);

    // ---- the per-device cache file (DeviceCache)
    static bool ReadDeviceInfoFile(const QString &name, FlashDataMap *out) { return DeviceCache::Read(name, out); }
    static bool WriteDeviceInfoFile(const QString &name, const FlashDataMap &map)
    {
        return DeviceCache::Write(name, map);
    }
    static QString DeviceInfoFileName(uchar cid, uchar mid) { return DeviceCache::FileName(cid, mid); }
    static QString DeviceInfoFilePath(const QString &name) { return DeviceCache::FilePath(name); }

    // ---- the reports (DeviceReports, library thread)
    static void DeviceDataCallBack(unsigned char *header, int headerLength, unsigned char *data, int length)
    {
        DeviceReports::DataCallBack(header, headerLength, data, length);
    }
    static void ReadChangedStatus() { DeviceReports::ReadChangedStatus(); }
    // Test hook: makes the configuration-switch throttle look older by ms.
    static void AgeProfileChangeTimer(qint64 ms) { DeviceReports::AgeProfileChangeTimer(ms); }

public slots:
    void SlotSelectMouseInfo(DeviceAllInfo SelectInfo);
    void SlotMainPageChange();
    void SlotCheckOnline();

protected:
    void run() override;

private:
    int m_LastType = 0; // receiver type the last acting pass saw
    QString m_LastPath; // device path the last acting pass saw
};
