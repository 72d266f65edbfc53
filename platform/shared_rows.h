#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace skyfolio {

// Memory for an image's rows that an X server on this machine can map
// (a System V segment): what is drawn there reaches the server without a
// copy. The segment is marked for removal as soon as it is mapped, so it
// goes with the last process that maps it, however this one ends.
class SharedRows {
public:
    // None where the system gives no segment of that size.
    static std::unique_ptr<SharedRows> make(size_t bytes);
    ~SharedRows();
    SharedRows(const SharedRows&) = delete;
    SharedRows& operator=(const SharedRows&) = delete;

    uint32_t* data() const { return data_; }
    int id() const { return id_; }

private:
    SharedRows(int id, uint32_t* data) : id_(id), data_(data) {}

    int id_;
    uint32_t* data_;
};

}  // namespace skyfolio
