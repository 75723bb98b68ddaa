#include "EventWait.h"

#include <QEventLoop>
#include <QTimer>

namespace EventWait {

void For(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms < 0 ? 0 : ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace EventWait
