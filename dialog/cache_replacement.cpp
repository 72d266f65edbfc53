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

// The new files not moved into place are removed, however the save ends.
class PendingFiles {
public:
    explicit PendingFiles(size_t count) : count_(count) {}
    ~PendingFiles() {
        for (size_t i = 0; i < count_; ++i) removeFile(pendingPath(i));
    }
    PendingFiles(const PendingFiles&) = delete;
    PendingFiles& operator=(const PendingFiles&) = delete;

private:
    size_t count_;
};

}  // namespace

CacheReplacement replaceCache(const std::vector<std::string>& pictures, const std::function<void(int done)>& waiting) {
    if (!makeFolder(cacheFolderPath()))
        return {false, 0, cacheFolderPath() + ": the cache folder cannot be created"};
    const PendingFiles pending(pictures.size());
    {
        // Converts ahead while this thread keeps the dialog alive and takes
        // the outcomes in list order, so that the failure reported is the
        // first in the list, as if one picture were done after another.
        ConversionPool pool(pictures.size(), kConversionThreads,
                            [&](size_t i) { convertPictureForCache(pictures[i], pendingPath(i)); });
        for (size_t done = 0; done < pictures.size();) {
            const std::optional<ConversionPool::Outcome> outcome = pool.outcome(done, kLongestWait);
            if (outcome && !outcome->ok) return {false, static_cast<int>(done), outcome->error};
            if (outcome) ++done;
            if (waiting) waiting(static_cast<int>(done));
        }
    }
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (!renameOver(pendingPath(i), cacheFilePath(std::to_string(i))))
            return {false, static_cast<int>(i), cacheFilePath(std::to_string(i)) + ": cannot be replaced"};
    }
    return {};
}

}  // namespace skyfolio
