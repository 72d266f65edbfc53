#pragma once

#include "saver/slide.h"
#include "saver/slide_layout.h"

#include <optional>
#include <string>
#include <vector>

namespace skyfolio {

class PictureSource;

// The order the photos come in, one for all screens so that they show
// different photos at once.
class PhotoOrder {
public:
    virtual ~PhotoOrder() = default;
    virtual int next() = 0;
    virtual int count() const = 0;
};

// A photo's caption drawn as pixels: white text with a soft shadow on
// nothing, premultiplied ARGB; null when there is nothing to say.
class CaptionMaker {
public:
    virtual ~CaptionMaker() = default;
    virtual Pixels caption(const std::string& path, int height) = 0;
};

// Makes the slides: takes photos from the order, pairs portrait photos on a
// landscape screen, decodes each at the size it is shown and draws it on the
// slide's canvas. A photo that cannot be read is skipped with a line on
// standard error. Runs wherever its caller runs it, a worker thread in the
// program: it touches nothing shared but the order.
class SlideComposer {
public:
    SlideComposer(const std::vector<std::string>& files, PhotoOrder& order, PictureSource& pictures,
                  CaptionMaker* captions, SlideOptions options, PictureSize screen);

    SlideResult compose();

private:
    struct Probed {
        int index;
        PictureSize size;
    };
    std::optional<Probed> probe(int index);
    std::optional<Slide> make(const std::vector<Probed>& photos);
    void drawPhoto(const Probed& photo, const PixelRect& place, uint32_t* canvas, Slide& slide);
    void skip(int index, const std::string& why);

    const std::vector<std::string>& files_;
    PhotoOrder& order_;
    PictureSource& pictures_;
    CaptionMaker* captions_;
    SlideOptions options_;
    PictureSize screen_;
    PictureSize canvas_;
    // A portrait photo waiting for the next one to stand beside, and how
    // many photos have come since.
    std::optional<Probed> waiting_;
    int sinceWaiting_ = 0;
    std::string failedLast_;
};

}  // namespace skyfolio
