#pragma once

#include "platform/file_picture_source.h"
#include "platform/photo_captions.h"
#include "platform/shared_photo_order.h"
#include "saver/slide.h"

#include <memory>
#include <string>
#include <vector>

namespace skyfolio {

// The slides of the user's photo files, each screen's made on a worker
// thread of its own, all screens taking from one order. The order, and the
// state file it resumes from, is only opened by the first screen that shows
// a slideshow.
class FileSlideMaker : public SlideMaker {
public:
    // Where the slides are made: on worker threads, or when taken, on the
    // caller's, for a simulation that comes out the same on every run.
    enum class Threads { Workers, Caller };
    // A shuffled order's first round comes from `seed`; its state is kept in `stateFolder`.
    FileSlideMaker(uint64_t seed, std::string stateFolder, Threads threads = Threads::Workers);
    ~FileSlideMaker() override;

    std::unique_ptr<SlideSource> open(PictureSize screen, const SlideOptions& options,
                                      const std::vector<std::string>& list) override;

private:
    uint64_t seed_;
    Threads threads_;
    std::string stateFolder_;
    std::vector<std::string> paths_;
    std::unique_ptr<SharedPhotoOrder> order_;
    FilePictureSource pictures_;
    PhotoCaptions captions_;
};

}  // namespace skyfolio
