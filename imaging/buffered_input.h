#pragma once

#include <QIODevice>

#include <cstdint>
#include <span>
#include <vector>

namespace skyfolio {

// Reads a device through one small buffer, so that a decoder streams a file
// of any size in the same few kilobytes.
class BufferedInput {
public:
    explicit BufferedInput(QIODevice& device);

    // Back to the first byte of the device; false when it cannot seek.
    bool rewind();

    // The next byte, or -1 at the end of the data (or on a read error).
    int next() {
        if (position_ == end_ && !refill()) return -1;
        return buffer_[position_++];
    }
    // Consumes bytes up to and including the next `value`; false at the end.
    bool skipPast(uint8_t value);
    void skip(qint64 count);
    // Copies up to `count` bytes into `to`; fewer only at the end of the data.
    size_t read(uint8_t* to, size_t count);
    // Every byte buffered, refilled first when none is; consumed by the call,
    // valid until the next one. Empty at the end of the data.
    std::span<const uint8_t> takeBuffered();

private:
    bool refill();

    QIODevice& device_;
    std::vector<uint8_t> buffer_;
    size_t position_ = 0;
    size_t end_ = 0;
};

}  // namespace skyfolio
