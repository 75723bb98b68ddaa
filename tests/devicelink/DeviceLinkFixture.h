#pragma once
// Shared helpers of the device-link tests: a Config.ini of the tests' own, a
// stand-in for the pages (slots connected to the hub exactly as the pages
// connect theirs), and helpers that plug simulated mice and select one.

#include "ConfigIni.h"
#include "DeviceDiscovery.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "PostMsg.h"
#include "TestState.h"
#include "Worker.h"

#include <QFile>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest/QtTest>

namespace DeviceLinkTest {

// Model 1 (MID 5): receiver and cable; buttons 2 and 5 default to key
// sequences; long range offered (default off) and receiver lighting (mode 1).
// Model 2 (MID 6): lacks "Adveanced" and every "KeyParam" entry.
inline QByteArray configIniText()
{
    auto b64 = [](const char *text) { return QByteArray(text).toBase64(); };
    QByteArray ini;
    ini += "[Option]\n";
    ini += "VID=" + b64("3554") + "\n";
    ini += "InterfaceId=1\nDeviceId=5\n";
    ini += "USB_PID=" + b64("F500") + "\n";
    ini += "Wireless_PID=" + b64("F501") + "\n";
    ini += "Wireless2_PID=" + b64("F502") + "\n";
    ini += "Wireless4_PID=" + b64("F503") + "\n";
    ini += "CID=" + b64("26") + "\n";
    ini += "DeviceTotal=2\nShowBatteryValue=1\n";
    ini += "[Drive1]\nMID=5\n";
    ini += "MM=" + b64("TestMouse") + "\n";
    ini += "DM=" + b64("TestR1K") + "\n";
    ini += "D2M=" + b64("TestR2K") + "\n";
    ini += "D4M=" + b64("TestR4K") + "\n";
    ini += "KeyNumber=6\n";
    ini += "KeyParam1=0x01,0x01,0x00\n";
    ini += "KeyParam2=0x05,0x00,0xE2\n";
    ini += "KeyParam3=0x01,0x04,0x00\n";
    ini += "KeyParam4=0x01,0x08,0x00\n";
    ini += "KeyParam5=0x05,0x01,0x04,0x06\n";
    ini += "KeyParam6=0x02,0x01,0x00\n";
    ini += "Adveanced=0,1\n";
    ini += "[Drive2]\nMID=6\nMM=" + b64("TestCorded") + "\nKeyNumber=5\n";
    return ini;
}

// Points the one ConfigIni at a file of the test's own.
inline void useTestConfig(QTemporaryDir &dir)
{
    const QString path = dir.path() + "/Config.ini";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(configIniText());
    file.close();
    ConfigIni::GetInstance()->Reload(path);
}

// A record whose every byte is defined and none is zero by accident.
inline FlashDataMap patternRecord(quint8 seed)
{
    FlashDataMap record;
    auto *bytes = reinterpret_cast<quint8 *>(&record);
    for (int i = 0; i < int(sizeof record); ++i)
        bytes[i] = quint8(1 + (i * 7 + seed) % 250);
    record.ReportRate = 1;
    return record;
}

inline QByteArray recordBytes(const FlashDataMap &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

inline FlashDataMap recordFrom(const QByteArray &bytes)
{
    FlashDataMap record = FlashData::zeroRecord();
    std::memcpy(&record, bytes.constData(), size_t(qMin<int>(bytes.size(), sizeof record)));
    return record;
}

// What the pages would see: every hub signal the device link sends, recorded
// in order on the GUI thread. The blocking ones are connected blocking, as
// the pages connect them.
class PageStandIn : public QObject
{
    Q_OBJECT

public:
    QStringList events;
    QList<FlashDataMap> records; // one per record-carrying signal, in order
    bool setAcknowledgements = true;

    explicit PageStandIn(QObject *parent = nullptr)
        : QObject(parent)
    {
        PostMsg *hub = PostMsg::GetInstance();
        const auto B = Qt::BlockingQueuedConnection;
        connect(hub, &PostMsg::SigUpDataLightUIButton, this, &PageStandIn::SlotButton, B);
        connect(hub, &PostMsg::SigUpDataLightLight, this, &PageStandIn::SlotLight, B);
        connect(hub, &PostMsg::SigUpDataLightSensor, this, &PageStandIn::SlotSensor, B);
        connect(hub, &PostMsg::SigUpDataDPILed, this, &PageStandIn::SlotDPILed, B);
        connect(hub, &PostMsg::SigUpDataReportRate, this, &PageStandIn::SlotReportRate, B);
        connect(hub, &PostMsg::SigUpDataDPI, this, &PageStandIn::SlotDPI, B);
        connect(hub, &PostMsg::SigBattery, this, &PageStandIn::SlotBattery, B);
        connect(hub, &PostMsg::SigUpDataConfigUI, this, &PageStandIn::SlotConfigUI, B);
        connect(hub, &PostMsg::SigForm, this, &PageStandIn::SlotForm, B);
        connect(hub, &PostMsg::SigFormReset, this, &PageStandIn::SlotFormReset, B);
        connect(hub, &PostMsg::SigRGBValue, this, &PageStandIn::SlotRGBValue, B);
        connect(hub, &PostMsg::SigLongRangeMode, this, &PageStandIn::SlotLongRangeMode, B);
        connect(hub, &PostMsg::SigUpDataParam, this, &PageStandIn::SlotUpDataParam);
        connect(hub, &PostMsg::SigSetver, this, &PageStandIn::SlotSetver);
        connect(hub, &PostMsg::SigChangeMainDialog, this, &PageStandIn::SlotChangeMainDialog);
        connect(hub, &PostMsg::SigLabelTextB, this, &PageStandIn::SlotLabelTextB);
        connect(hub, &PostMsg::SigCloseOffOnline, this, &PageStandIn::SlotCloseOffOnline);
    }

    void clear()
    {
        events.clear();
        records.clear();
    }
    int count(const QString &event) const { return events.count(event); }
    bool has(const QString &event) const { return events.contains(event); }

public slots:
    void SlotButton(FlashDataMap record)
    {
        events << "Button";
        records << record;
        if (setAcknowledgements)
            g_ButtonPageUpdated = 1;
    }
    void SlotLight(FlashDataMap record)
    {
        events << "Light";
        records << record;
    }
    void SlotSensor(FlashDataMap record)
    {
        events << "Sensor";
        records << record;
        if (setAcknowledgements)
            g_SensorPageUpdated = 1;
    }
    void SlotDPILed(FlashDataMap record)
    {
        events << "DPILed";
        records << record;
    }
    void SlotReportRate(int value) { events << QString("ReportRate(%1)").arg(value); }
    void SlotDPI(int value) { events << QString("DPI(%1)").arg(value); }
    void SlotBattery(bool charging, int level, bool text)
    {
        events << QString("Battery(%1,%2,%3)").arg(charging).arg(level).arg(text);
    }
    void SlotConfigUI(int total, int index, bool enable)
    {
        events << QString("ConfigUI(%1,%2,%3)").arg(total).arg(index).arg(enable);
    }
    void SlotForm() { events << "Form"; }
    void SlotFormReset() { events << "FormReset"; }
    void SlotRGBValue(DongleRGB *rgb) { events << QString("RGB(%1)").arg(rgb ? rgb->Mode : -1); }
    void SlotLongRangeMode(bool on) { events << QString("LongRange(%1)").arg(on); }
    void SlotUpDataParam(int mode) { events << QString("UpDataParam(%1)").arg(mode); }
    void SlotSetver(int index) { events << QString("Setver(%1)").arg(index); }
    void SlotChangeMainDialog(int index) { events << QString("ChangeMainDialog(%1)").arg(index); }
    void SlotLabelTextB(QString version, QString text) { events << QString("LabelTextB(%1,%2)").arg(version, text); }
    void SlotCloseOffOnline() { events << "CloseOffOnline"; }
};

// The start of every device-link test program: the hub, a Config.ini of the
// test's own, the one worker, and the stand-in for the pages.
inline PageStandIn *startLink(QTemporaryDir &configDir, QObject *owner)
{
    PostMsg::GetInstance();
    useTestConfig(configDir);
    g_Worker = new Worker;
    return new PageStandIn(owner);
}

// Setup of one simulated entry of the sample models.
inline HIDUsbSim::DeviceSetup receiverSpec(const QString &mouse = QString("m1"))
{
    HIDUsbSim::DeviceSetup setup;
    setup.pid = "F503";
    setup.receiverType = 1; // 4 kHz receiver
    setup.mouse = mouse;
    return setup;
}

inline HIDUsbSim::DeviceSetup cableSpec(const QString &mouse = QString("m1"))
{
    HIDUsbSim::DeviceSetup setup;
    setup.pid = "F500";
    setup.receiverType = 2; // the mouse on its cable
    setup.mouse = mouse;
    return setup;
}

// Back to a process with no device, no selection and idle flags.
inline void resetLink()
{
    HIDUsbSim::waitIdle();
    if (Worker *worker = g_Worker.load())
        QTRY_VERIFY(worker->isFinished() || !worker->isRunning());
    HIDUsbSim::reset();
    OrvikTest::ResetAllState();
    HIDUsbSim::setReportDelay(0);
}

// The record of the picker's search for the entry at the simulator's path.
inline DeviceAllInfo pickerEntry(int id)
{
    DeviceDiscovery::SearchForPicker();
    for (const DeviceAllInfo &info : g_PickerDeviceList)
        if (info.Path == HIDUsbSim::path(id))
            return info;
    return DeviceAllInfo();
}

// Waits for the worker's pass and every report that followed it.
// The bounds are generous: a sanitized run (ThreadSanitizer slows the link
// several times) may need long to drain a queue of reports; an idle link
// returns at once.
inline bool settle()
{
    Worker *worker = g_Worker.load();
    for (int i = 0; i < 3; ++i) {
        if (worker && !QTest::qWaitFor([&] { return worker->isFinished() || !worker->isRunning(); }, 30000))
            return false;
        if (!HIDUsbSim::waitIdle(30000))
            return false;
    }
    return true;
}

// Does what the device list's click and the top-level window do for a
// device of a known model: select it, register the worker's hot-plug
// callback (which finds its path), and start the first pass.
inline bool selectDevice(int id)
{
    const DeviceAllInfo entry = pickerEntry(id);
    if (entry.Path.isEmpty())
        return false;
    PostMsg::GetInstance()->EmitSelectMouseInfo(entry);
    g_MainPageActive = 1;
    StartUsbChanged(&Worker::UsbChangedCallBack, 600);
    if (!settle())
        return false;
    g_WorkerRunEnable = true;
    g_Worker.load()->start(QThread::InheritPriority);
    return settle();
}

} // namespace DeviceLinkTest
