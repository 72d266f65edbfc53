#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace skyfolio {

// SIGTERM and SIGINT, as a screen-saver daemon stops its hacks, handed to the
// event loop through a pipe. A daemon's settings program waits for its
// preview to end, so a stop must never wait for work that is under way: if
// the event loop has not ended the process within kStopDeadline of the signal
// (a large picture still decoding), the process ends there, with status 0.
// One per process; the handlers stay installed until it ends.
class TerminationSignals {
public:
    static constexpr int kStopDeadlineMilliseconds = 250;

    // Installs the handlers: a signal from here on is kept until onStop is
    // called, even before the event loop runs.
    TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Calls `stop` from the event loop once a signal came. Needs the
    // application object.
    void onStop(std::function<void()> stop);

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> stop_;
};

}  // namespace skyfolio
