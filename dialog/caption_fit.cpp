#include "dialog/caption_fit.h"

#include "dialog/control_placement.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace skyfolio {
namespace {

// A control whose caption may need room, with every caption it may show.
struct Captioned {
    QWidget* control;
    QStringList texts;
    QRect design;
};

QString shownText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    return {};
}

// Centred captions grow to both sides; the others keep their left edge.
bool centred(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->alignment() & Qt::AlignHCenter;
    return qobject_cast<const QPushButton*>(control) != nullptr;
}

// The height `control` needs to show `text` whole at `width`; none when
// the width is too small, whatever the height.
std::optional<int> neededHeight(const QWidget* control, const QString& text, int width) {
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(QRect(0, 0, width, INT_MAX / 2), flags, text);
        if (needed.width() > width) return std::nullopt;
        return needed.height();
    }
    int neededWidth = 0;
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QString plain = text;
        plain.remove(QLatin1Char('&'));
        neededWidth = metrics.horizontalAdvance(plain) + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    } else if (qobject_cast<const QGroupBox*>(control)) {
        neededWidth = control->minimumSizeHint().width();
    } else {
        neededWidth = control->sizeHint().width();  // a check box or option button: the box and its caption
    }
    if (neededWidth > width) return std::nullopt;
    return metrics.height();
}

std::optional<int> neededHeight(const Captioned& c, int width) {
    int most = 0;
    for (const QString& text : c.texts) {
        const std::optional<int> height = neededHeight(c.control, text, width);
        if (!height) return std::nullopt;
        most = std::max(most, *height);
    }
    return most;
}

// Whether `place` covers any of `other` that the design place does not.
bool takesFrom(QRect place, QRect design, QRect other) {
    const QRect taken = place & other;
    return !taken.isEmpty() && !(design & other).contains(taken);
}

// The place for a control's caption: its design place when the caption
// fits there, else the least growth that lets it fit, the height kept as
// long as a wider place will do; the design place when none does.
QRect captionPlace(const Captioned& c, QRect bounds, const std::vector<QRect>& others) {
    const QRect design = c.design;
    if (const std::optional<int> h = neededHeight(c, design.width()); h && *h <= design.height()) return design;

    struct Size {
        int width;
        int height;
    };
    std::vector<Size> sizes;
    for (int width = design.width(); width <= bounds.width(); ++width)
        if (const std::optional<int> h = neededHeight(c, width); h && design.top() + *h <= bounds.bottom() + 1)
            sizes.push_back({width, std::max(*h, design.height())});
    std::stable_sort(sizes.begin(), sizes.end(), [](Size a, Size b) { return a.height < b.height; });

    for (const Size size : sizes) {
        const int wanted = centred(c.control) ? design.left() - (size.width - design.width()) / 2 : design.left();
        const int lowest = bounds.left(), highest = bounds.right() + 1 - size.width;
        // Nearest the wanted left edge first, to either side.
        for (int step = 0; step <= highest - lowest; ++step)
            for (const int left : {wanted - step, wanted + step}) {
                if (left < lowest || left > highest) continue;
                const QRect place(left, design.top(), size.width, size.height);
                if (std::none_of(others.begin(), others.end(), [&](QRect o) { return takesFrom(place, design, o); }))
                    return place;
            }
    }
    return design;
}

// Room enough for the border that a style draws around a frame.
constexpr int kFrameBorder = 2;

}  // namespace

QRect frameBounds(const QWidget* frame) {
    return frame->rect().adjusted(kFrameBorder, 0, -kFrameBorder, -kFrameBorder);
}

CaptionFit::CaptionFit(QWidget* panel, QRect bounds, QHash<const QWidget*, QStringList> captions)
    : QObject(panel), panel_(panel), bounds_(bounds), captions_(std::move(captions)) {
    panel_->installEventFilter(this);
    fit();
}

void CaptionFit::fit() {
    std::vector<Captioned> captioned;
    const QList<QWidget*> controls = panel_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        const QStringList texts = captions_.value(control, {shownText(control)});
        if (texts.join(QString()).isEmpty()) continue;
        captioned.push_back({control, texts, designPlace(control)});
        // From the design afresh: a font that shrank gives back what a
        // larger one took.
        control->setGeometry(captioned.back().design);
    }
    for (const Captioned& c : captioned) {
        std::vector<QRect> others;
        for (const QWidget* other : controls)
            if (other != c.control) others.push_back(other->geometry());
        c.control->setGeometry(captionPlace(c, bounds_, others));
    }
}

bool CaptionFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)) fit();
    return false;
}

}  // namespace skyfolio
