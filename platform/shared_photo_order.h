#pragma once

#include "saver/slide_composer.h"
#include "saver/slideshow_order.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace skyfolio {

// The one order of all screens, taken from by their worker threads. Shuffled,
// it goes on where the last run left off: its state is kept in a small file
// in `folder` named after the list, replaced after every photo taken.
class SharedPhotoOrder : public PhotoOrder {
public:
    SharedPhotoOrder(const std::vector<std::string>& paths, bool shuffled, uint64_t seed, std::string folder);

    int next() override;
    int count() const override { return order_.count(); }

private:
    void keepState();

    std::mutex mutex_;
    std::string statePath_;
    SlideshowOrder order_;
    bool warned_ = false;  // a folder that cannot be written is said once
};

}  // namespace skyfolio
