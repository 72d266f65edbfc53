#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;
struct wl_display;

namespace skyfolio {

// A connection to the compositor of our own, read on the main thread as its
// socket becomes readable. Qt reads its own connection on a thread of its
// own, which hands each message over to the main thread and back: for a
// saver sending a frame every tick, several thread switches a frame.
// Requests go out before the event loop sleeps. A connection that breaks
// took our surfaces with it: the application ends.
class WaylandConnection : public QObject {
public:
    // Nothing where no compositor answers.
    static std::unique_ptr<WaylandConnection> open();
    ~WaylandConnection() override;

    wl_display* display() const { return display_; }

private:
    explicit WaylandConnection(wl_display* display);
    void read();
    void dispatchAndFlush();
    bool broken();

    wl_display* display_;
    QSocketNotifier* readable_;
    // Only while the socket is too full to take what we sent.
    QSocketNotifier* writable_;
    bool lost_ = false;
};

}  // namespace skyfolio
