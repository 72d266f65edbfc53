#pragma once

#include <cstdint>

namespace skyfolio {

// A seed for the saver's one generator, taken from the clock at start.
uint64_t seedFromClock();

}  // namespace skyfolio
