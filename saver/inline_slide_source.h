#pragma once

#include "saver/slide.h"

#include <functional>
#include <utility>

namespace skyfolio {

// Slides made when taken, on the caller's thread: a simulation comes out the
// same on every run, whatever the machine's speed.
class InlineSlideSource : public SlideSource {
public:
    explicit InlineSlideSource(std::function<SlideResult()> make) : make_(std::move(make)) {}
    void request() override { asked_ = true; }
    std::optional<SlideResult> take() override {
        if (!std::exchange(asked_, false)) return std::nullopt;
        return make_();
    }

private:
    std::function<SlideResult()> make_;
    bool asked_ = false;
};

}  // namespace skyfolio
