#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace skyfolio {

// Runs a job for each item of a list on a few threads, taking the items in
// list order and running ahead of the caller, who collects the outcomes in
// list order.
class ConversionPool {
public:
    struct Outcome {
        bool ok = true;
        std::string error;  // what the job threw
    };

    // `job(i)` throws on failure; it runs on the pool's threads, several at
    // once, so it must be safe to run that way.
    ConversionPool(size_t items, size_t threads, std::function<void(size_t)> job);
    // Starts no more items and waits for those running.
    ~ConversionPool();
    ConversionPool(const ConversionPool&) = delete;
    ConversionPool& operator=(const ConversionPool&) = delete;

    // The outcome of item `i`, waiting for it at most `patience`; none when
    // it is not finished by then.
    std::optional<Outcome> outcome(size_t i, std::chrono::milliseconds patience);

private:
    void work();
    Outcome run(size_t i);

    std::function<void(size_t)> job_;
    std::mutex mutex_;
    std::condition_variable finished_;
    std::vector<std::optional<Outcome>> outcomes_;
    size_t next_ = 0;  // the first item not yet started
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace skyfolio
