#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace skyfolio {

// Memory for an image's rows that the display server on this machine reads
// straight: what is drawn there reaches it without a copy. For an X server a
// System V segment, marked for removal as soon as it is mapped; for a
// Wayland compositor an anonymous file (memfd) it maps from our descriptor.
// Either goes with the last process that maps it, however this one ends.
class SharedRows {
public:
    enum class Reader { XServer, Compositor };

    // None where the system gives no memory of that size.
    static std::unique_ptr<SharedRows> make(size_t bytes, Reader reader = Reader::XServer);
    ~SharedRows();
    SharedRows(const SharedRows&) = delete;
    SharedRows& operator=(const SharedRows&) = delete;

    uint32_t* data() const { return data_; }
    size_t bytes() const { return bytes_; }
    // The System V segment's id, for an X server; -1 for a compositor's.
    int id() const { return id_; }
    // The file's descriptor, for a compositor; -1 for an X server's.
    int fd() const { return fd_; }

private:
    SharedRows(int id, int fd, uint32_t* data, size_t bytes) : id_(id), fd_(fd), data_(data), bytes_(bytes) {}

    int id_;
    int fd_;
    uint32_t* data_;
    size_t bytes_;
};

}  // namespace skyfolio
