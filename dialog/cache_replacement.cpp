#include "dialog/cache_replacement.h"

#include "dialog/cache_conversion.h"
#include "dialog/conversion_pool.h"
#include "files/files.h"
#include "settings/program_files.h"

#include <chrono>
#include <string_view>

namespace skyfolio {
namespace {

// Two photos are decoded at once, one on each core of a common machine.
constexpr size_t kConversionThreads = 2;
// The dialog repaints whenever `waiting` is called.
constexpr std::chrono::milliseconds kLongestWait(40);

// The marker of a new file not yet in place; the writer's own temporary
// file adds more after it.
constexpr std::string_view kPending = ".dib.new";

std::string cachePath(size_t i) { return cacheFilePath(std::to_string(i)); }
std::string pendingPath(size_t i) { return cachePath(i) + ".new"; }

CacheReplacement failed(CacheReplacement replacement, int picture, std::string error) {
    replacement.ok = false;
    replacement.failedPicture = picture;
    replacement.error = std::move(error);
    return replacement;
}

WriteResult cannotReplace(size_t i) { return WriteResult::failure(cachePath(i) + ": cannot be replaced"); }

}  // namespace

CacheReplacement::CacheReplacement(CacheReplacement&& other) noexcept
    : ok(other.ok), failedPicture(other.failedPicture), error(std::move(other.error)), steps_(std::move(other.steps_)) {
    other.steps_.clear();
}

CacheReplacement::~CacheReplacement() {
    for (size_t i = 0; i < steps_.size(); ++i) {
        if (steps_[i] == Step::Pending) removeFile(pendingPath(i));
        if (steps_[i] == Step::Placed) removeFile(cachePath(i));
    }
}

WriteResult CacheReplacement::placeMissing() {
    if (!ok) return WriteResult::failure(error);
    for (size_t i = 0; i < steps_.size(); ++i) {
        if (steps_[i] != Step::Pending || fileExists(cachePath(i))) continue;
        if (!renameOver(pendingPath(i), cachePath(i))) return cannotReplace(i);
        steps_[i] = Step::Placed;
    }
    syncToDisk(cacheFolderPath());
    return {};
}

WriteResult CacheReplacement::commit() {
    if (!ok) return WriteResult::failure(error);
    // The settings file on disk names the placed files now: whatever fails
    // below, they stay.
    for (Step& step : steps_)
        if (step == Step::Placed) step = Step::Committed;
    for (size_t i = 0; i < steps_.size(); ++i) {
        if (steps_[i] == Step::Pending && !renameOver(pendingPath(i), cachePath(i))) return cannotReplace(i);
        steps_[i] = Step::Committed;
    }
    syncToDisk(cacheFolderPath());
    return {};
}

CacheReplacement prepareCache(const std::vector<std::string>& pictures, const std::function<void(int done)>& waiting) {
    // From here on the new files are removed unless committed.
    CacheReplacement replacement(pictures.size());
    if (!makeFolder(cacheFolderPath()))
        return failed(std::move(replacement), 0, cacheFolderPath() + ": the cache folder cannot be created");
    removeFilesLike(cacheFolderPath(), std::string(kCacheFilePrefix), std::string(kPending));
    {
        // Converts ahead while this thread keeps the dialog alive and takes
        // the outcomes in list order, so that the failure reported is the
        // first in the list, as if one picture were done after another.
        ConversionPool pool(pictures.size(), kConversionThreads,
                            [&](size_t i) {
                                convertPictureForCache(pictures[i], pendingPath(i));
                                if (!syncToDisk(pendingPath(i))) throw CacheConversionError(pendingPath(i) + ": cannot be synced");
                            });
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
