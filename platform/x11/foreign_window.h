#pragma once

#include "imaging/pixels.h"

#include <QAbstractNativeEventFilter>
#include <QImage>
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

class ImageSurface;
class X11ShmPresenter;

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
    // An engine's image as it now is.
    using SurfaceFunction = std::function<const ImageSurface&()>;
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
    // What the window shows from now on, black beyond it until it follows a
    // resize: an engine's image, or a still picture (QImage::Format_RGB32).
    // It is all painted anew.
    void show(SurfaceFunction surface);
    void showPicture(QImage picture);
    // Puts what shows within these rectangles into the window.
    void repaint(const std::vector<QRect>& changed);
    // Returns once the server has read the image's last present.
    void awaitPresented();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    ForeignWindow(xcb_connection_t* connection, uint32_t window, PictureSize size, uint8_t depth);

    uint32_t window_;
    PictureSize size_;
    std::unique_ptr<X11ShmPresenter> presenter_;
    SurfaceFunction surface_;
    QImage picture_;
    // What of a present lies within the image, kept for the next.
    std::vector<QRect> inside_;
    Events events_;
    bool gone_ = false;
};

}  // namespace skyfolio
