#include "imaging/buffered_input.h"

#include <algorithm>
#include <cstring>

namespace skyfolio {
namespace {

// Large enough that reading costs a few system calls per megabyte.
constexpr size_t kBufferBytes = 64 * 1024;

}  // namespace

BufferedInput::BufferedInput(QIODevice& device) : device_(device), buffer_(kBufferBytes) {}

bool BufferedInput::rewind() {
    position_ = end_ = 0;
    return device_.seek(0);
}

bool BufferedInput::refill() {
    const qint64 got = device_.read(reinterpret_cast<char*>(buffer_.data()), qint64(buffer_.size()));
    position_ = 0;
    end_ = got > 0 ? size_t(got) : 0;
    return end_ > 0;
}

bool BufferedInput::skipPast(uint8_t value) {
    for (;;) {
        if (position_ == end_ && !refill()) return false;
        const void* found = std::memchr(buffer_.data() + position_, value, end_ - position_);
        if (found) {
            position_ = size_t(static_cast<const uint8_t*>(found) - buffer_.data()) + 1;
            return true;
        }
        position_ = end_;
    }
}

void BufferedInput::skip(qint64 count) {
    if (count <= 0) return;
    const size_t buffered = end_ - position_;
    if (size_t(count) <= buffered) {
        position_ += size_t(count);
        return;
    }
    position_ = end_;
    device_.skip(count - qint64(buffered));
}

size_t BufferedInput::read(uint8_t* to, size_t count) {
    size_t copied = 0;
    while (copied < count) {
        if (position_ == end_ && !refill()) break;
        const size_t n = std::min(count - copied, end_ - position_);
        std::memcpy(to + copied, buffer_.data() + position_, n);
        position_ += n;
        copied += n;
    }
    return copied;
}

std::span<const uint8_t> BufferedInput::takeBuffered() {
    if (position_ == end_ && !refill()) return {};
    const std::span<const uint8_t> bytes(buffer_.data() + position_, end_ - position_);
    position_ = end_;
    return bytes;
}

}  // namespace skyfolio
