#include "dialog/cache_replacement.h"

#include "dialog/cache_conversion.h"
#include "platform/files.h"
#include "settings/program_files.h"

namespace skyfolio {
namespace {

std::string pendingPath(size_t i) { return cacheFilePath(std::to_string(i)) + ".new"; }

void dropPending(size_t count) {
    for (size_t i = 0; i < count; ++i) removeFile(pendingPath(i));
}

}  // namespace

CacheReplacement replaceCache(const std::vector<std::string>& pictures, const std::function<void(int done)>& waiting) {
    if (!makeFolder(cacheFolderPath()))
        return {false, 0, cacheFolderPath() + ": the cache folder cannot be created"};
    for (size_t i = 0; i < pictures.size(); ++i) {
        try {
            convertPictureForCache(pictures[i], pendingPath(i));
        } catch (const CacheConversionError& e) {
            dropPending(i + 1);
            return {false, static_cast<int>(i), e.what()};
        }
        if (waiting) waiting(static_cast<int>(i + 1));
    }
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (!renameOver(pendingPath(i), cacheFilePath(std::to_string(i)))) {
            dropPending(pictures.size());
            return {false, static_cast<int>(i), cacheFilePath(std::to_string(i)) + ": cannot be replaced"};
        }
    }
    return {};
}

}  // namespace skyfolio
