#include "platform/shared_photo_order.h"

#include "files/files.h"
#include "files/program_folder.h"

#include <cstdio>
#include <optional>

namespace skyfolio {
namespace {

// A state file is a few numbers; anything larger is not ours.
constexpr long long kLargestStateFile = 4096;

std::optional<OrderState> readState(const std::string& path) {
    const FileRead read = readWholeFile(path, kLargestStateFile);
    return read.error.empty() ? parseOrderState(read.bytes) : std::nullopt;
}

}  // namespace

SharedPhotoOrder::SharedPhotoOrder(const std::vector<std::string>& paths, bool shuffled, uint64_t seed,
                                   std::string folder)
    : statePath_(joinProgramPath(folder, orderStateFileName(paths))),
      order_(int(paths.size()), shuffled, shuffled ? readState(statePath_) : std::nullopt, seed) {}

int SharedPhotoOrder::next() {
    const std::lock_guard lock(mutex_);
    const int index = order_.next();
    if (order_.shuffled()) keepState();
    return index;
}

void SharedPhotoOrder::keepState() {
    const WriteResult written = replaceFileAtomically(statePath_, orderStateText(order_.state()));
    if (written || warned_) return;
    warned_ = true;
    std::fprintf(stderr, "skyfolio: the slideshow will start its order afresh next time: %s\n", written.error.c_str());
}

}  // namespace skyfolio
