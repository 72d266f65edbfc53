#include "dialog/cache_replacement.h"

#include "dialog/cache_conversion.h"
#include "dialog/conversion_pool.h"
#include "platform/files.h"
#include "settings/program_files.h"

#include <chrono>

namespace skyfolio {
namespace {

// Two photos are decoded at once, one on each core of a common machine.
constexpr size_t kConversionThreads = 2;
// The dialog repaints whenever `waiting` is called.
constexpr std::chrono::milliseconds kLongestWait(40);

std::string pendingPath(size_t i) { return cacheFilePath(std::to_string(i)) + ".new"; }

CacheReplacement failed(CacheReplacement replacement, int picture, std::string error) {
    replacement.ok = false;
    replacement.failedPicture = picture;
    replacement.error = std::move(error);
    return replacement;
}

}  // namespace

CacheReplacement::CacheReplacement(CacheReplacement&& other) noexcept
    : ok(other.ok), failedPicture(other.failedPicture), error(std::move(other.error)), pending_(other.pending_) {
    other.pending_ = 0;
}

CacheReplacement::~CacheReplacement() {
    for (size_t i = 0; i < pending_; ++i) removeFile(pendingPath(i));
}

WriteResult CacheReplacement::commit() {
    if (!ok) return WriteResult::failure(error);
    for (size_t i = 0; i < pending_; ++i)
        if (!renameOver(pendingPath(i), cacheFilePath(std::to_string(i))))
            return WriteResult::failure(cacheFilePath(std::to_string(i)) + ": cannot be replaced");
    pending_ = 0;
    return {};
}

CacheReplacement prepareCache(const std::vector<std::string>& pictures, const std::function<void(int done)>& waiting) {
    // From here on the new files are removed unless committed.
    CacheReplacement replacement(pictures.size());
    if (!makeFolder(cacheFolderPath()))
        return failed(std::move(replacement), 0, cacheFolderPath() + ": the cache folder cannot be created");
    {
        // Converts ahead while this thread keeps the dialog alive and takes
        // the outcomes in list order, so that the failure reported is the
        // first in the list, as if one picture were done after another.
        ConversionPool pool(pictures.size(), kConversionThreads,
                            [&](size_t i) { convertPictureForCache(pictures[i], pendingPath(i)); });
        for (size_t done = 0; done < pictures.size();) {
            const std::optional<ConversionPool::Outcome> outcome = pool.outcome(done, kLongestWait);
            if (outcome && !outcome->ok) return failed(std::move(replacement), static_cast<int>(done), outcome->error);
            if (outcome) ++done;
            if (waiting) waiting(static_cast<int>(done));
        }
    }
    return replacement;
}

}  // namespace skyfolio
