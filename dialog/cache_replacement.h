#pragma once

#include "platform/write_result.h"

#include <functional>
#include <string>
#include <vector>

namespace skyfolio {

// A new cache, converted and waiting beside the old one. It replaces the old
// cache only when committed; otherwise its files are removed when it goes,
// so the old cache stays exactly as it was.
class CacheReplacement {
public:
    CacheReplacement() = default;
    CacheReplacement(CacheReplacement&& other) noexcept;
    CacheReplacement& operator=(CacheReplacement&&) = delete;
    ~CacheReplacement();

    bool ok = true;
    int failedPicture = -1;  // index in the list of the picture that failed
    std::string error;

    // Moves the new files over the old ones.
    WriteResult commit();

private:
    friend CacheReplacement prepareCache(const std::vector<std::string>&, const std::function<void(int)>&);
    explicit CacheReplacement(size_t pending) : pending_(pending) {}

    size_t pending_ = 0;  // new files written and not yet moved into place
};

// Converts pictures[i] into a new cache file i ("SkyfolioImg/skyfss<i>.dib")
// under a temporary name; a missing cache folder is created. `waiting` is
// called on the calling thread, often, with the number of pictures converted
// so far, to advance a progress display and keep the window painting. The
// failure reported is the first in list order.
CacheReplacement prepareCache(const std::vector<std::string>& pictures, const std::function<void(int done)>& waiting);

}  // namespace skyfolio
