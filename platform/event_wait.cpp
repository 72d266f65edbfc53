#include "platform/event_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace skyfolio {

// A nested loop blocks until an event comes, instead of spinning; it measures
// on the monotonic clock, so a wait across midnight ends like any other.
void waitHandlingEvents(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace skyfolio
