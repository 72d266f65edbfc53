#pragma once

#include "imaging/pixels.h"

#include <QAbstractNativeEventFilter>
#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct xcb_connection_t;

namespace skyfolio {

// Whether $DISPLAY names an X server that answers: the toolkit would abort
// on one that does not.
bool xDisplayAnswers();

// A window someone else made (a screen-saver daemon's, a preview area, or
// the root window) drawn in straight through the toolkit's own X connection:
// no window of ours, so nothing of ours is mapped at top level, nothing
// selects its input and nothing takes its pointer. Its size, in device
// pixels, is read from the server, as the toolkit knows nothing of it; its
// resizes, exposures and end are heard by watching its structure.
class ForeignWindow : public QAbstractNativeEventFilter {
public:
    // Puts what shows within a rectangle of the window's pixels into rows of
    // `stride` pixels from `to`, as 32-bit RGB (QImage::Format_RGB32): the
    // window takes them as they are.
    using PaintFunction = std::function<void(const QRect& rect, uint32_t* to, int stride)>;
    struct Events {
        std::function<void(PictureSize size)> resized;
        std::function<void()> destroyed;
    };

    // Window `id`, or with none the root window of the display's screen; an
    // error text when it cannot be drawn in. Needs the application object.
    static std::variant<std::unique_ptr<ForeignWindow>, std::string> open(std::optional<uint32_t> id);
    ~ForeignWindow() override;
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    PictureSize size() const { return size_; }
    void setEvents(Events events) { events_ = std::move(events); }
    // What the window shows from now on; it is all painted anew.
    void setPaint(PaintFunction paint);
    // Puts what shows within these rectangles into the window.
    void repaint(const std::vector<QRect>& changed);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    ForeignWindow(xcb_connection_t* connection, uint32_t window, PictureSize size, uint8_t depth);
    void put(const QRect& rect);

    xcb_connection_t* connection_;
    uint32_t window_;
    uint32_t gc_;
    PictureSize size_;
    uint8_t depth_;
    // Rows go to the server in bands no larger than a request may be, each
    // painted here first: one buffer for every frame.
    std::vector<uint32_t> band_;
    PaintFunction paint_;
    Events events_;
    bool gone_ = false;
};

}  // namespace skyfolio
