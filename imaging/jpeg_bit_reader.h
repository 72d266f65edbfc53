#pragma once

#include "imaging/buffered_input.h"

#include <cstdint>

namespace skyfolio {

// The coded data of a JPEG scan as a stream of bits: stuffed zero bytes
// removed, and at the marker that ends the data, zeros, with the marker kept
// for the caller.
class JpegBitReader {
public:
    explicit JpegBitReader(BufferedInput& input) : input_(input) {}

    // Forgets what is buffered: a scan and a restart interval start afresh on
    // a byte boundary.
    void restart() {
        bits_ = 0;
        count_ = 0;
        zeros_ = 0;
        marker_ = 0;
    }
    // The next `count` bits, 1 to 16, as a number, without taking them.
    int peek(int count) {
        if (count_ < count) fill();
        return int(bits_ >> (64 - count));
    }
    void drop(int count) {
        bits_ <<= count;
        count_ -= count;
    }
    int take(int count) {
        const int value = peek(count);
        drop(count);
        return value;
    }
    // True when more bits were taken than the data holds.
    bool overran() const { return count_ < zeros_; }
    // The marker the data ran into: 0 while not reached, -1 for the end of
    // the file.
    int marker() const { return marker_; }

private:
    void fill();

    BufferedInput& input_;
    uint64_t bits_ = 0;  // the next bit at the top
    int count_ = 0;
    int zeros_ = 0;      // how many of the last bits are filler past the data
    int marker_ = 0;
};

}  // namespace skyfolio
