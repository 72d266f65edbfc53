#include "platform/xsync_idle_source.h"

#include <xcb/sync.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace skyfolio {
namespace {

int64_t fromSync(xcb_sync_int64_t value) { return (int64_t(value.hi) << 32) | value.lo; }

xcb_sync_int64_t toSync(int64_t value) {
    return {int32_t(value >> 32), uint32_t(uint64_t(value) & 0xffffffffu)};
}

// Read by hand: libxcb's iterator over the system counters ignores the
// padding after each name and reads the second one from the wrong place.
uint32_t idleCounter(xcb_connection_t* connection) {
    auto* reply = xcb_sync_list_system_counters_reply(connection, xcb_sync_list_system_counters(connection), nullptr);
    if (!reply) return 0;
    const auto* at = reinterpret_cast<const uint8_t*>(reply + 1);
    const uint8_t* const end = reinterpret_cast<const uint8_t*>(reply) + sizeof *reply + size_t(reply->length) * 4;
    // On the wire: the counter, its resolution, the name's length, the name.
    constexpr size_t kFixed = 4 + 8 + 2;
    uint32_t found = 0;
    for (uint32_t i = 0; i < reply->counters_len && !found && size_t(end - at) >= kFixed; ++i) {
        uint32_t counter;
        uint16_t nameLength;
        std::memcpy(&counter, at, sizeof counter);
        std::memcpy(&nameLength, at + 12, sizeof nameLength);
        if (size_t(end - at) < kFixed + nameLength) break;
        if (std::string_view(reinterpret_cast<const char*>(at + kFixed), nameLength) == "IDLETIME") found = counter;
        at += (kFixed + nameLength + 3) & ~size_t(3);
    }
    std::free(reply);
    return found;
}

}  // namespace

std::variant<std::unique_ptr<XSyncIdleSource>, std::string> XSyncIdleSource::open(Events events) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return std::string("no X display (DISPLAY is not set)");
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return std::string("the X display ") + display + " does not answer";
    }
    const xcb_query_extension_reply_t* sync = xcb_get_extension_data(connection, &xcb_sync_id);
    auto* version = sync && sync->present
                        ? xcb_sync_initialize_reply(connection, xcb_sync_initialize(connection, 3, 1), nullptr)
                        : nullptr;
    std::free(version);
    const uint32_t counter = version ? idleCounter(connection) : 0;
    if (!counter) {
        xcb_disconnect(connection);
        return std::string("the X display ") + display + " has no idle-time counter (SYNC extension)";
    }
    return std::unique_ptr<XSyncIdleSource>(
        new XSyncIdleSource(connection, counter, uint8_t(sync->first_event + XCB_SYNC_ALARM_NOTIFY), std::move(events)));
}

XSyncIdleSource::XSyncIdleSource(xcb_connection_t* connection, uint32_t counter, uint8_t alarmNotify, Events events)
    : connection_(connection), counter_(counter), alarmNotify_(alarmNotify), events_(std::move(events)) {
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readEvents(); });
}

XSyncIdleSource::~XSyncIdleSource() {
    notifier_.reset();
    xcb_disconnect(connection_);
}

void XSyncIdleSource::arm(std::chrono::milliseconds timeout) {
    timeout_ = timeout.count();
    countFrom(idleTime());
}

int64_t XSyncIdleSource::idleTime() {
    auto* reply = xcb_sync_query_counter_reply(connection_, xcb_sync_query_counter(connection_, counter_), nullptr);
    const int64_t value = reply ? fromSync(reply->counter_value) : 0;
    std::free(reply);
    return value;
}

// Idle once the counter passes today's reading by the timeout; input drops
// it below today's reading, and from then on the timeout counts from zero.
void XSyncIdleSource::countFrom(int64_t idleNow) {
    idleAt_ = idleNow + timeout_;
    setAlarm(idleAlarm_, idleAt_, false, true);
    inputBelow_ = idleNow;
    setAlarm(inputAlarm_, inputBelow_, true, idleNow > 0);
    xcb_flush(connection_);
}

// A comparison alarm with no delta fires once and rests until changed.
void XSyncIdleSource::setAlarm(uint32_t& alarm, int64_t value, bool below, bool reported) {
    const xcb_sync_create_alarm_value_list_t values{
        .counter = counter_,
        .valueType = XCB_SYNC_VALUETYPE_ABSOLUTE,
        .value = toSync(value),
        .testType = uint32_t(below ? XCB_SYNC_TESTTYPE_NEGATIVE_COMPARISON : XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON),
        .delta = toSync(0),
        .events = reported,
    };
    constexpr uint32_t kAll = XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE | XCB_SYNC_CA_TEST_TYPE |
                              XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS;
    if (alarm) {
        xcb_sync_change_alarm_value_list_t changed;
        static_assert(sizeof changed == sizeof values);
        std::memcpy(&changed, &values, sizeof values);
        xcb_sync_change_alarm_aux(connection_, alarm, kAll, &changed);
    } else {
        alarm = xcb_generate_id(connection_);
        xcb_sync_create_alarm_aux(connection_, alarm, kAll, &values);
    }
}

void XSyncIdleSource::readEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7f) == alarmNotify_) {
            const auto* alarm = reinterpret_cast<const xcb_sync_alarm_notify_event_t*>(event);
            // Only a report of the alarm as it is set now, and of its test
            // met: one changed since, or merely changed, is no news.
            const int64_t at = fromSync(alarm->alarm_value);
            const int64_t idle = fromSync(alarm->counter_value);
            if (alarm->alarm == idleAlarm_ && at == idleAt_ && idle >= at) {
                // Any input from here on is the user coming back.
                inputBelow_ = idleAt_;
                setAlarm(inputAlarm_, inputBelow_, true, true);
                xcb_flush(connection_);
                events_.idle();
            } else if (alarm->alarm == inputAlarm_ && at == inputBelow_ && idle < at) {
                countFrom(0);
            }
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_)) {
        notifier_->setEnabled(false);
        events_.lost();
    }
}

}  // namespace skyfolio
