#pragma once
// Helpers of the end-to-end page tests: a repeating watch that also runs
// inside modal loops, and the blocking hand-over from a helper thread that
// the worker and the data callback make.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

namespace OrvikTest {

using WatchPtr = std::unique_ptr<QTimer>;
// Runs fn every 10 ms (also inside modal loops) until the watch goes out of scope.
inline WatchPtr Watch(std::function<void()> fn)
{
    WatchPtr timer(new QTimer);
    QObject::connect(timer.get(), &QTimer::timeout, fn);
    timer->start(10);
    return timer;
}

// Runs fn on a helper thread while the GUI thread keeps serving events, as
// the worker and the data callback do with their blocking hand-overs. False
// when fn has not returned within timeoutMs: the thread is then left to run
// (it may be blocked on a hand-over), so the test fails instead of hanging.
inline bool FromHelperThread(std::function<void()> fn, int timeoutMs = 30000)
{
    std::unique_ptr<QThread> thread(QThread::create(fn));
    thread->start();
    QDeadlineTimer deadline(timeoutMs);
    while (!thread->wait(5)) {
        if (deadline.hasExpired()) {
            thread.release();
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace OrvikTest
