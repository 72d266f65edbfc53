#pragma once

#include <string>

namespace skyfolio {

// The outcome of a write to disk: ok, or why not.
struct WriteResult {
    bool ok = true;
    std::string error;

    static WriteResult failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace skyfolio
