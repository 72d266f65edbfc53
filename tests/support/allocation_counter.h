#pragma once

#include <cstdint>

namespace skyfolio::test {

// How many times operator new has run in this process so far. Linking this
// in replaces the global operator new and delete with counting ones.
int64_t allocationsSoFar();

}  // namespace skyfolio::test
