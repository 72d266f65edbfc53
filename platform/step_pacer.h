#pragma once

#include <chrono>
#include <functional>

namespace skyfolio {

// Paces the drawing steps of a transition so that they can be seen: one
// step per millisecond, and what was drawn shown once per display frame.
// Drawn literally, back to back, a transition would be over before the
// screen showed any of it. Nothing else is handled between steps.
class StepPacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kStepInterval = std::chrono::milliseconds(1);

    struct Hooks {
        std::function<Clock::time_point()> now;
        std::function<void(Clock::time_point)> sleepUntil;
        std::function<void()> present;  // puts what was drawn on the screen
    };

    StepPacer(Clock::duration frame, Hooks hooks);
    // On the system's clock, presenting through `present`.
    StepPacer(Clock::duration frame, std::function<void()> present);

    // After a step that changed what the screen shows: presents when a
    // frame has passed, then waits for the next step's turn.
    void stepDrawn();

private:
    Clock::duration frame_;
    Hooks hooks_;
    Clock::time_point due_{};  // when the step drawn last has had its turn
    Clock::time_point lastStep_{};
    Clock::time_point lastPresent_{};
};

}  // namespace skyfolio
