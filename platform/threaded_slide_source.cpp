#include "platform/threaded_slide_source.h"

#include <exception>
#include <utility>

namespace skyfolio {

ThreadedSlideSource::ThreadedSlideSource(std::function<SlideResult()> make)
    : make_(std::move(make)), worker_([this] { work(); }) {}

ThreadedSlideSource::~ThreadedSlideSource() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wanted_.notify_one();
    worker_.join();
}

void ThreadedSlideSource::request() {
    {
        const std::lock_guard lock(mutex_);
        asked_ = true;
    }
    wanted_.notify_one();
}

std::optional<SlideResult> ThreadedSlideSource::take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(made_, std::nullopt);
}

// The lock is held only to hand work and slides over, never while a slide
// is made, so take() never waits for a decode.
void ThreadedSlideSource::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wanted_.wait(lock, [this] { return stopping_ || (asked_ && !made_); });
        if (stopping_) return;
        asked_ = false;
        lock.unlock();
        SlideResult slide;
        try {
            slide = make_();
        } catch (const std::exception& e) {
            slide.failedPath = e.what();
        }
        lock.lock();
        made_ = std::move(slide);
    }
}

}  // namespace skyfolio
