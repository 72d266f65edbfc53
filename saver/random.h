#pragma once

#include <cstdint>
#include <random>

namespace skyfolio {

// Uniform draws in [0, 1). The saver asks one source for every draw, so tests
// can hand it a fixed one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double uniform() = 0;
};

// One generator, seeded once: drawing anew from a seed taken from the clock
// before every draw would put every copy launched in one tick on one spot.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    double uniform() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_;
};

}  // namespace skyfolio
