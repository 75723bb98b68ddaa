// Closing the button page while a worker pass is blocked handing a refresh to
// a page on the GUI thread: the page's destructor waits for the worker and
// must keep serving the blocked hand-over, or both threads stop for good.

#include "TestMain.h"

#include "Buttoninterface.h"
#include "GlobalState.h"
#include "PostMsg.h"
#include "Worker.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

// Ends the process with a message when the guarded scope does not finish: a
// deadlock would otherwise only show as the suite's time-out.
class HangGuard
{
public:
    explicit HangGuard(const char *what)
        : m_Thread([this, what] {
            std::unique_lock<std::mutex> lock(m_Mutex);
            if (!m_Done.wait_for(lock, std::chrono::seconds(60), [this] { return m_Finished; })) {
                std::fprintf(stderr, "deadlock: %s did not return\n", what);
                std::abort();
            }
        })
    {
    }
    ~HangGuard()
    {
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Finished = true;
        }
        m_Done.notify_all();
        m_Thread.join();
    }

private:
    std::mutex m_Mutex;
    std::condition_variable m_Done;
    bool m_Finished = false;
    std::thread m_Thread;
};

} // namespace

class TestWorkerShutdown : public QObject
{
    Q_OBJECT

private slots:
    void closingPageServesBlockedRefresh()
    {
        // Seen on the worker thread just before the blocking hand-over to the
        // page (connections are called in the order they were made).
        std::atomic<int> reached{0};
        QMetaObject::Connection probe = connect(
            PostMsg::GetInstance(), &PostMsg::SigFormReset, this, [&reached] { ++reached; }, Qt::DirectConnection);

        auto *page = new Buttoninterface;
        QVERIFY(g_Worker.load());

        // No device: the pass finds it offline without a cache file and
        // resets the pages through the blocking connection.
        g_MainPageActive = 1;
        g_ForceReRead = true;
        g_WorkerRunEnable = true;
        g_Worker.load()->start();
        while (reached.load() == 0)
            QThread::yieldCurrentThread(); // no event processing: the hand-over stays pending

        {
            HangGuard guard("closing the button page");
            delete page;
        }
        QCOMPARE(reached.load(), 1);
        QVERIFY(!g_Worker.load());
        disconnect(probe);
        g_MainPageActive = 0;
    }
};

ORVIK_TEST_MAIN(TestWorkerShutdown)
#include "tst_workershutdown.moc"
