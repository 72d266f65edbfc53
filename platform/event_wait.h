#pragma once

#include <chrono>

namespace skyfolio {

// Waits while the event loop goes on delivering timer ticks, input and
// paints. Ends early when the application is told to exit.
void waitHandlingEvents(std::chrono::milliseconds duration);

}  // namespace skyfolio
