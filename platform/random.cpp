#include "platform/random.h"

#include <chrono>

namespace skyfolio {

uint64_t seedFromClock() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace skyfolio
