#pragma once

#include "platform/dirty_rectangles.h"
#include "platform/pending_clear.h"
#include "platform/shared_rows.h"
#include "saver/surface.h"

#include <QImage>
#include <QRect>

class QPainter;

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace skyfolio {

// The saver window's persistent image: the saver draws into it and `present`
// hands the changed rectangles to the window, which paints them on the
// screen. The overlay lies above the image and is painted straight from its
// picture, so that moving it costs one copy of its pixels, to the screen.
//
// Only what was drawn is ever not background, so a clear repaints just the
// rectangles drawn since the last one (and only once the tick's drawing is
// done, what was not drawn again), and a present hands over a few
// rectangles around what changed instead of the whole screen. What the
// screen shows at a present is the same as clearing and showing everything.
// Nothing here allocates once constructed, but shared memory for a new
// overlay picture and, rarely, rows for a compositor holding on to the rest.
class ImageSurface : public Surface {
public:
    using PresentFunction = std::function<void(const std::vector<QRect>& changed)>;

    // For a window whose server reads the rows straight from memory they
    // share: before the first change after a present, `awaitReader` runs, so
    // that nothing presented is drawn over before the server has read it,
    // and `stillRead` is asked of the rows last presented: a server that
    // holds them on (a compositor keeps a buffer until it releases it) has
    // the changes go to other rows, brought up to date at the present with
    // what changed since they were last written. Where the server shows the
    // overlay above the rows by itself, moving it changes none of them.
    struct Sharing {
        std::function<void()> awaitReader = {};
        SharedRows::Reader reader = SharedRows::Reader::XServer;
        std::function<bool(const SharedRows& rows)> stillRead = {};
        bool overlayApart = false;
    };

    ImageSurface(QSize size, PresentFunction present, std::optional<Sharing> sharing = std::nullopt);

    PictureSize size() const override { return {image_.width(), image_.height()}; }
    // Fills the whole image; it is all presented next time.
    void setBackground(uint32_t colourValue) override;
    void clear() override;
    void clear(const PixelRect& rect) override;
    void copy(const Pixels& picture, const PixelRect& part, int x, int y) override;
    void setOverlay(const Pixels& picture, int x, int y) override;
    void present() override;
    // The rows are written where they lie in the image.
    void fillRows(const PixelRect& rect, const RowFill& fill) override;

    // Paints what the surface shows within `rect`, the overlay above the image.
    void paint(QPainter& painter, const QRect& rect) const;
    // Copies what the surface shows within `rect`, which lies within it, to
    // rows of `stride` pixels from `to`: a straight copy of rows, for a
    // window that takes the image's pixels as they are.
    void copyShown(const QRect& rect, uint32_t* to, int stride) const;
    // What the surface shows, as one picture.
    QImage shown() const;
    // Where the overlay covers the image.
    QRect overlayArea() const { return overlayAt_; }
    // The shared memory holding the image's rows as last presented and the
    // overlay's, each row after row with nothing between them; none where
    // they were not asked for or not given.
    std::shared_ptr<const SharedRows> sharedRows() const {
        return copies_.empty() ? nullptr : copies_[current_].rows;
    }
    std::shared_ptr<const SharedRows> sharedOverlayRows() const {
        return overlay_.row(0) == overlayRows_ ? overlayShared_ : nullptr;
    }

private:
    void fill(const QRect& rect);
    void shareOverlay(const Pixels& picture);
    void fillPendingClear();
    void beforeWriting() {
        if (!readerPending_) return;
        readerPending_ = false;
        if (sharing_.awaitReader) sharing_.awaitReader();
        if (sharing_.stillRead && sharing_.stillRead(*copies_[current_].rows)) moveToUnreadRows();
    }
    void moveToUnreadRows();
    bool addCopy(QSize size);
    void wrote(const QRect& rect);
    void catchUp();
    void copyUnwritten(const QRect& rect, size_t firstWritten, const QRgb* from);
    QRgb* pixelRow(int row) const { return rows_ + row * stride_; }

    // The image's rows in shared memory, where sharing: one while its
    // server has read them by the time `awaitReader` returns, more while it
    // holds them on. `stale` is what changed since they were last written;
    // the rows drawn in are brought up to date only at the present, from
    // the rows held (`behind_`), where the tick did not draw.
    struct Copy {
        std::shared_ptr<SharedRows> rows;
        QImage image;
        DirtyRectangles stale;
    };
    Sharing sharing_;
    std::vector<Copy> copies_;
    size_t current_ = 0;
    static constexpr size_t kCaughtUp = SIZE_MAX;
    size_t behind_ = kCaughtUp;
    std::vector<QRect> written_;
    bool readerPending_ = false;
    bool overlayMoved_ = false;
    QImage image_;
    QRgb* rows_ = nullptr;
    qsizetype stride_ = 0;
    Pixels overlay_;
    QRect overlayAt_;
    // Where sharing, the overlay is a copy in a segment of its own, made once
    // a picture: moving it then costs no copy at all.
    Pixels overlaySource_;
    std::shared_ptr<SharedRows> overlayShared_;
    size_t overlayBytes_ = 0;
    const uint32_t* overlayRows_ = nullptr;
    QRgb background_;
    PresentFunction present_;
    // Where pixels may differ from the background.
    DirtyRectangles drawn_;
    // What changed since the last present.
    DirtyRectangles changed_;
    PendingClear pendingClear_;
};

}  // namespace skyfolio
