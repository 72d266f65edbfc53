#pragma once

#include "files/write_result.h"

#include <functional>
#include <string>
#include <vector>

namespace skyfolio {

// A new cache, converted and waiting beside the old one under temporary
// names. It takes the old cache's place in two steps around the writing of
// the settings file, so that whenever the program is stopped, even killed,
// every cache file that the settings file on disk names is there and whole:
//  1. placeMissing(): the new files that replace nothing go in; the old
//     settings do not name them, so they are never read until step 2;
//  2. once the settings file is written, commit(): the rest go in, each
//     replacing its old file in one step.
// Until committed, its files are removed when it goes, those placed too, so
// the old cache stays exactly as it was.
class CacheReplacement {
public:
    CacheReplacement() = default;
    CacheReplacement(CacheReplacement&& other) noexcept;
    CacheReplacement& operator=(CacheReplacement&&) = delete;
    ~CacheReplacement();

    bool ok = true;
    int failedPicture = -1;  // index in the list of the picture that failed
    std::string error;

    WriteResult placeMissing();
    WriteResult commit();

private:
    enum class Step { Pending, Placed, Committed };

    friend CacheReplacement prepareCache(const std::vector<std::string>&, const std::function<void(int)>&);
    explicit CacheReplacement(size_t pictures) : steps_(pictures, Step::Pending) {}

    std::vector<Step> steps_;  // of each new file
};

// Converts pictures[i] into a new cache file i ("SkyfolioImg/skyfss<i>.dib")
// under a temporary name, on the disk before this returns; a missing cache
// folder is created, and temporary files left by a save that was killed are
// removed. `waiting` is called on the calling thread, often, with the number
// of pictures converted so far, to advance a progress display and keep the
// window painting. The failure reported is the first in list order.
CacheReplacement prepareCache(const std::vector<std::string>& pictures, const std::function<void(int done)>& waiting);

}  // namespace skyfolio
