#include "platform/clock.h"

#include <QTime>

namespace skyfolio {

double SystemClock::secondsSinceMidnight() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

std::chrono::nanoseconds SteadyClock::now() const { return std::chrono::steady_clock::now().time_since_epoch(); }

}  // namespace skyfolio
