#pragma once

#include "imaging/pixels.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace skyfolio {

// One photo of a slide: its place in the list and where it stands on the
// slide's canvas.
struct SlidePhoto {
    int index = -1;
    PixelRect place;
};

// What the slideshow shows at once: one photo, or a pair side by side, made
// on a canvas of the slide's size with each photo's caption beside it.
struct Slide {
    Pixels canvas;
    std::vector<SlidePhoto> photos;
    // One per photo, premultiplied ARGB; null where there is none.
    std::vector<Pixels> captions;
    // Cut to fill from a portrait photo: its top stays in view as it moves.
    bool keepTop = false;
};

// What came of making a slide: the slide, or the reason there is none.
struct SlideResult {
    bool made = false;
    Slide slide;
    // With no slide: a photo that could not be read, for the message.
    std::string failedPath;
};

// Where the slideshow's slides come from: made ahead of time, elsewhere, so
// that a change never waits for a photo to decode.
class SlideSource {
public:
    virtual ~SlideSource() = default;
    // Starts making the next slide, if none is being made; returns at once.
    virtual void request() = 0;
    // The slide made since the request, once it is there; never waits.
    virtual std::optional<SlideResult> take() = 0;
};

// How the slides are to be made ("slideshowFit" and the options beside it).
struct SlideOptions {
    bool fill = false;  // cut to fill the screen rather than shown whole
    bool pairPortraits = true;
    bool panZoom = true;
    bool caption = true;
    bool shuffle = true;  // the order shuffled rather than the list's own
};

// Opens a screen's own source of slides, made at its size from the photos
// of `list` (its entries up to the empty one after them).
class SlideMaker {
public:
    virtual ~SlideMaker() = default;
    virtual std::unique_ptr<SlideSource> open(PictureSize screen, const SlideOptions& options,
                                              const std::vector<std::string>& list) = 0;
};

}  // namespace skyfolio
