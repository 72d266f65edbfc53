#include "dialog/conversion_pool.h"

#include <system_error>

namespace skyfolio {

ConversionPool::ConversionPool(size_t items, size_t threads, std::function<void(size_t)> job)
    : job_(std::move(job)), outcomes_(items) {
    try {
        for (size_t t = 0; t < std::min(threads, items); ++t) threads_.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
        // Fewer threads, or none: then the caller runs each job itself.
    }
}

ConversionPool::~ConversionPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    for (std::thread& thread : threads_) thread.join();
}

std::optional<ConversionPool::Outcome> ConversionPool::outcome(size_t i, std::chrono::milliseconds patience) {
    if (threads_.empty()) return run(i);
    std::unique_lock lock(mutex_);
    finished_.wait_for(lock, patience, [&] { return outcomes_[i].has_value(); });
    return outcomes_[i];
}

void ConversionPool::work() {
    for (;;) {
        size_t i = 0;
        {
            std::lock_guard lock(mutex_);
            if (stopping_ || next_ == outcomes_.size()) return;
            i = next_++;
        }
        Outcome done = run(i);
        {
            std::lock_guard lock(mutex_);
            outcomes_[i] = std::move(done);
        }
        finished_.notify_all();
    }
}

ConversionPool::Outcome ConversionPool::run(size_t i) {
    // Nothing may escape a thread of the pool: it would end the program.
    try {
        job_(i);
        return {};
    } catch (const std::bad_alloc&) {
        return {false, "out of memory"};
    } catch (const std::exception& e) {
        return {false, e.what()};
    }
}

}  // namespace skyfolio
