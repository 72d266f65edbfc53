#pragma once

#include "platform/idle_source.h"

#include <QSocketNotifier>

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

struct xcb_connection_t;

namespace skyfolio {

// The X server's IDLETIME counter (the SYNC extension), watched through two
// alarms on a connection of our own, so that the server wakes us exactly
// twice per idle period and never in between.
class XSyncIdleSource : public IdleSource {
public:
    // The source on $DISPLAY, or why there is none.
    static std::variant<std::unique_ptr<XSyncIdleSource>, std::string> open(Events events);
    ~XSyncIdleSource() override;

    const char* name() const override { return "the X server's idle time (XSync IDLETIME)"; }
    void arm(std::chrono::milliseconds timeout) override;

private:
    XSyncIdleSource(xcb_connection_t* connection, uint32_t counter, uint8_t firstEvent, Events events);
    void countFrom(int64_t idleNow);
    void setAlarm(uint32_t& alarm, int64_t value, bool below, bool reported);
    void readEvents();
    int64_t idleTime();

    xcb_connection_t* connection_;
    uint32_t counter_;
    uint8_t alarmNotify_;
    Events events_;
    uint32_t idleAlarm_ = 0;
    uint32_t inputAlarm_ = 0;
    int64_t timeout_ = 0;
    // The values the alarms are set to, so that a report of an alarm since
    // changed is known for the stale one it is.
    int64_t idleAt_ = 0;
    int64_t inputBelow_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace skyfolio
