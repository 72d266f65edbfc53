#include "platform/termination_signals.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace skyfolio {
namespace {

int signalPipe[2] = {-1, -1};
timer_t deadline{};

// Only async-signal-safe calls here: a byte for the event loop, the deadline
// armed, and errno left as the interrupted code had it.
void onTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    itimerspec once{};
    once.it_value.tv_nsec = long(TerminationSignals::kStopDeadlineMilliseconds) * 1000 * 1000;
    ::timer_settime(deadline, 0, &once, nullptr);
    errno = saved;
}

void onDeadline(int) { ::_exit(0); }

void install(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals() {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    sigevent expiry{};
    expiry.sigev_notify = SIGEV_SIGNAL;
    expiry.sigev_signo = SIGALRM;
    ::timer_create(CLOCK_MONOTONIC, &expiry, &deadline);
    install(SIGALRM, onDeadline);
    install(SIGTERM, onTerminationSignal);
    install(SIGINT, onTerminationSignal);
}

void TerminationSignals::onStop(std::function<void()> stop) {
    stop_ = std::move(stop);
    if (signalPipe[0] < 0) return;  // no pipe: the signals' default action ends the process
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        if (stop_) stop_();
    });
}

}  // namespace skyfolio
