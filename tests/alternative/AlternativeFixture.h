#pragma once
// A simulated mouse selected as the current device, and small readers of
// what reached it, for the tests of the pages no window shows yet.

#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "PostMsg.h"
#include "TestState.h"

#include <QByteArray>
#include <QObject>
#include <QSignalSpy>
#include <QWidget>

#include <cstring>
#include <memory>

namespace AlternativeTest {

inline void ignoreReports(unsigned char *, int, unsigned char *, int)
{
}

// Plugs one mouse on a 4 kHz receiver, makes it the current device with a
// zeroed record and opens the connection, so every setter reaches it.
// Leaves g_UiReady set and g_LightUiFilling clear. Returns the simulator id.
inline int SelectMouse()
{
    HIDUsbSim::reset();
    const int id = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("light", QString()));
    const QByteArray path = HIDUsbSim::path(id).toLatin1();
    g_DevicePath.set(path.constData());
    UsbServerC_Start(path.constData(), path.constData(), ignoreReports);
    FlashDataMap zero;
    std::memset(static_cast<void *>(&zero), 0, sizeof zero);
    FlashData::replace(zero);
    g_UiReady = true;
    g_LightUiFilling = false;
    return id;
}

// Byte i of the record the mouse received last (-1 when none arrived yet).
inline int DeviceByte(int id, int i)
{
    const QByteArray record = HIDUsbSim::lastRecord(id);
    return record.size() > i ? int(quint8(record.at(i))) : -1;
}

// A zeroed record with the light-bar block, the switch and the sleep byte.
inline FlashDataMap LightRecord(int mode, int enable, int red, int green, int blue, int speed, int brightness,
                                int lightOffMoving, int sleep)
{
    FlashDataMap map;
    std::memset(static_cast<void *>(&map), 0, sizeof map);
    map.LightBar.Mode = quint8(mode);
    map.LightBar.Enable = quint8(enable);
    map.LightBar.Red = quint8(red);
    map.LightBar.Green = quint8(green);
    map.LightBar.Blue = quint8(blue);
    map.LightBar.Speed = quint8(speed);
    map.LightBar.Brightness = quint8(brightness);
    map.LightOffMoving = quint8(lightOffMoving);
    map.SleepTime = quint8(sleep);
    return map;
}

// The child of that name and class; a missing one ends the test program (the
// form no longer has what the test is about).
template<typename T>
T *Child(QWidget &parent, const char *name)
{
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// The start of a test class whose every test function works on a freshly
// selected mouse (m_Id) and leaves the pages' gates down behind it.
class OnSelectedMouse : public QObject
{
    Q_OBJECT

protected:
    int m_Id = 0;

private slots:
    void init()
    {
        OrvikTest::ResetAllState();
        m_Id = SelectMouse();
    }

    void cleanup()
    {
        g_UiReady = false;
        g_LightUiFilling = false;
        g_SensorUiFilling = false;
    }
};

// Counts SigMouseOffLineo and its arguments.
inline std::unique_ptr<QSignalSpy> OfflineSpy()
{
    return std::make_unique<QSignalSpy>(PostMsg::GetInstance(), &PostMsg::SigMouseOffLineo);
}

} // namespace AlternativeTest
