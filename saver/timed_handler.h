#pragma once

#include "saver/timer.h"

#include <functional>
#include <string_view>

namespace skyfolio {

// One of an effect family's timers and the handler its ticks call, named as
// Form1 names it.
struct TimedHandler {
    std::string_view name;
    Timer* timer;
    std::function<void()> handler;
};

}  // namespace skyfolio
