#include "DeviceLink.h"

#include "GlobalState.h"
#include "HIDUsb.h"
#include "Worker.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

DeviceLink::DeviceLink()
{
    // The one device worker (no parent); its constructor starts the poll.
    g_Worker = new Worker;
}

DeviceLink::~DeviceLink()
{
    Worker::Stop();
    if (Worker *worker = g_Worker.exchange(nullptr)) {
        // A running pass may be blocked handing a refresh to a page of this
        // thread (blocking connection); a plain wait() would then never
        // return. Keep serving those calls until the pass has ended.
        while (!worker->wait(10))
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        worker->deleteLater();
    }
}

bool DeviceLink::Shutdown(int timeoutMs)
{
    g_WorkerRunEnable = false;
    if (g_PollTimer)
        g_PollTimer->stop();
    Worker *worker = g_Worker.load();
    // A callback or a pass may be blocked handing something to the GUI
    // thread: wait in an event loop of our own, which serves it.
    auto stopped = [worker] { return HIDUsb_StopCallbacks() == 0 && (!worker || !worker->isRunning()); };
    if (stopped())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (stopped())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(5);
    loop.exec();
    if (stopped())
        return true;
    qWarning() << "device library still busy at shutdown";
    return false;
}
