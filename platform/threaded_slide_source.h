#pragma once

#include "saver/slide.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace skyfolio {

// Slides made on a worker thread of their own, one at a time, as asked: the
// screen's engine goes on drawing while the next photo decodes, and picks
// the slide up on a later tick.
class ThreadedSlideSource : public SlideSource {
public:
    explicit ThreadedSlideSource(std::function<SlideResult()> make);
    // Waits for a slide under way to be finished, then ends the thread.
    ~ThreadedSlideSource() override;
    ThreadedSlideSource(const ThreadedSlideSource&) = delete;
    ThreadedSlideSource& operator=(const ThreadedSlideSource&) = delete;

    void request() override;
    std::optional<SlideResult> take() override;

private:
    void work();

    std::function<SlideResult()> make_;
    std::mutex mutex_;
    std::condition_variable wanted_;
    bool asked_ = false;
    bool stopping_ = false;
    std::optional<SlideResult> made_;
    std::thread worker_;
};

}  // namespace skyfolio
