#include "platform/clock.h"

#include <QTime>

namespace skyfolio {

double SystemClock::secondsSinceMidnight() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace skyfolio
