#include "platform/file_slide_maker.h"

#include "platform/threaded_slide_source.h"
#include "saver/inline_slide_source.h"
#include "saver/slide_composer.h"

namespace skyfolio {

FileSlideMaker::FileSlideMaker(uint64_t seed, std::string stateFolder, Threads threads)
    : seed_(seed), threads_(threads), stateFolder_(std::move(stateFolder)), pictures_([](int) { return std::string(); }) {}

FileSlideMaker::~FileSlideMaker() = default;

std::unique_ptr<SlideSource> FileSlideMaker::open(PictureSize screen, const SlideOptions& options,
                                                  const std::vector<std::string>& list) {
    // Every screen shows the one list of the one settings.
    if (!order_) {
        paths_.assign(list.begin(), list.end() - (list.empty() ? 0 : 1));
        order_ = std::make_unique<SharedPhotoOrder>(paths_, options.shuffle, seed_, stateFolder_);
    }
    auto composer = std::make_shared<SlideComposer>(paths_, *order_, pictures_, &captions_, options, screen);
    auto make = [composer] { return composer->compose(); };
    if (threads_ == Threads::Caller) return std::make_unique<InlineSlideSource>(std::move(make));
    return std::make_unique<ThreadedSlideSource>(std::move(make));
}

}  // namespace skyfolio
