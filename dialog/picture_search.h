#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace skyfolio {

// What a search shows while it runs on another thread, and how it is stopped.
struct SearchProgress {
    std::atomic<bool> cancelled = false;
    std::atomic<int> filesLookedAt = 0;
};

struct SearchResult {
    std::vector<std::string> pictures;
    bool more = false;  // it stopped at the most it was asked for
};

// The picture files among `paths` and in the folders among them, with their
// subfolders, at most `most` of them: each folder's files and subfolders
// together in natural name order (see natural_order.h), without hidden ones
// (a name starting with "."), nor files that are not pictures by their
// content. A folder that cannot be read is passed over; a linked folder is not
// followed, as it may lead back up. Ends early, with nothing, once cancelled.
SearchResult findPictures(const std::vector<std::string>& paths, size_t most, SearchProgress& progress);

}  // namespace skyfolio
