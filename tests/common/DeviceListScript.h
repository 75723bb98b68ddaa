#pragma once
// What the device list's and the firmware tests share: simulated receivers
// built from a few fields, a fresh set of devices announced to the device
// list as the library does, and a script that answers the modal dialogs that
// come up.

#include "DialogChange.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace OrvikTest {

// A receiver (or, with a corded type, a cable) of the sample vendor.
inline HIDUsbSim::DeviceSetup Receiver(const QString &pid, quint8 type, quint8 mid = HIDUsbSim::sampleWirelessMid,
                                       const QString &mouse = QString(), bool online = true, bool boot = false)
{
    HIDUsbSim::DeviceSetup setup;
    setup.pid = pid;
    setup.receiverType = type;
    setup.mid = mid;
    setup.mouse = mouse;
    setup.online = online;
    setup.bootMode = boot;
    return setup;
}

// Fresh simulated devices, then the device list's hot-plug callback, as the
// library calls it when it is registered. The devices' ids, in order.
inline QList<int> Rebuild(const QList<HIDUsbSim::DeviceSetup> &setups)
{
    HIDUsbSim::reset();
    HIDUsbSim::setReportDelay(1);
    HIDUsbSim::setFlashDuration(150);
    QList<int> ids;
    for (const HIDUsbSim::DeviceSetup &setup : setups)
        ids << HIDUsbSim::plug(setup);
    StartUsbChanged(DialogChange::UsbChangedCallBack, 600);
    return ids;
}

// Answers the modal dialogs that appear, one step per dialog, from a timer
// that runs inside their event loops. A step returns false to be asked again
// on the next tick (waiting for the dialog to reach some state). Dialogs
// beyond the script are recorded and closed, so a test never hangs.
class ModalScript : public QObject
{
public:
    using Step = std::function<bool(QWidget *dialog)>;

    explicit ModalScript(const QList<Step> &steps = QList<Step>())
        : m_Steps(steps)
    {
        connect(&m_Timer, &QTimer::timeout, this, [this] { Tick(); });
        m_Timer.start(5);
        m_Clock.start();
    }

    QStringList seen;

private:
    void Tick()
    {
        QWidget *w = QApplication::activeModalWidget();
        // A dialog answered before may come up again later (the same object
        // shown anew): it counts as new once it has gone.
        if (m_Last && (w != m_Last || !m_Last->isVisible()))
            m_Last = nullptr;
        if (!w || !w->isVisible() || w == m_Last)
            return;
        if (w != m_Current) {
            m_Current = w;
            seen << QString::fromLatin1(w->metaObject()->className());
        }
        const bool timedOut = m_Clock.elapsed() > 10000;
        if (m_Steps.isEmpty() || timedOut) {
            if (timedOut)
                seen << "timeout";
            m_Last = w;
            m_Current = nullptr;
            w->close();
            return;
        }
        if (m_Steps.first()(w)) {
            m_Steps.removeFirst();
            m_Last = w;
            m_Current = nullptr;
        }
    }

    QList<Step> m_Steps;
    QTimer m_Timer;
    QElapsedTimer m_Clock;
    QPointer<QWidget> m_Last;
    QPointer<QWidget> m_Current;
};

} // namespace OrvikTest
