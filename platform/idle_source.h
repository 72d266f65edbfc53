#pragma once

#include <chrono>
#include <functional>

namespace skyfolio {

// Where the watch learns that the user is idle: the desktop's own
// notification, never a poll. Each desktop family has its own; all of them
// count from the later of the last input and the last arm().
class IdleSource {
public:
    struct Events {
        std::function<void()> idle;  // the idle time has passed without input
        std::function<void()> lost;  // the desktop went away: nothing more will come
    };

    virtual ~IdleSource() = default;

    // What the user is told the watch listens to.
    virtual const char* name() const = 0;

    // Counts afresh from now: `idle` once `timeout` has passed without input;
    // after input, `idle` again once another `timeout` has passed, and so on
    // until the next arm().
    virtual void arm(std::chrono::milliseconds timeout) = 0;
};

}  // namespace skyfolio
