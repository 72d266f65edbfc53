// Drawing a whole Left wipe of a 960 x 540 picture: each step's rectangle
// drawn whole, as the steps are given, against drawing only the part a step
// adds, as Float's transitions do on the saver's surface. The pacing is left
// out: this is the cost under it.

#include "imaging/units.h"
#include "platform/image_surface.h"
#include "saver/float_box_view.h"
#include "saver/timer.h"
#include "saver/transition_reveal.h"
#include "saver/transitions.h"

#include <benchmark/benchmark.h>

#include <QPainter>

namespace skyfolio {
namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 540;

QImage picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter(&image).fillRect(image.rect(), QLinearGradient(0, 0, kWidth, kHeight));
    return image;
}

void BM_WipeEveryRectangleWhole(benchmark::State& state) {
    const QImage source = picture();
    QImage box(source.size(), QImage::Format_RGB32);
    const TransitionSteps steps(kLeftWipe, kWidth, kHeight);
    for (auto _ : state) {
        QPainter painter(&box);
        for (int n = 0; n < steps.count(); ++n) {
            const TransitionStep step = steps[n];
            const QRect rect(int(step.x), int(step.y), step.width, step.height);
            painter.drawImage(rect.topLeft(), source, rect);
        }
    }
}
BENCHMARK(BM_WipeEveryRectangleWhole)->Unit(benchmark::kMillisecond);

void BM_WipeOnlyWhatIsNew(benchmark::State& state) {
    const QImage image = picture();
    const Pixels source(PictureSize{kWidth, kHeight}, reinterpret_cast<const uint32_t*>(image.constBits()),
                        image.bytesPerLine() / 4, nullptr);
    ImageSurface surface(image.size(), nullptr);
    FloatBoxView view(surface);
    FloatBox box;
    box.width = kWidth * kTwipsPerPixel;
    box.height = kHeight * kTwipsPerPixel;
    box.visible = true;
    view.show(box);
    for (auto _ : state) {
        std::chrono::nanoseconds now{};
        TransitionReveal reveal(TransitionSteps(kLeftWipe, kWidth, kHeight), source.rect(), now);
        while (!reveal.done()) {
            now += kDisplayFrame;
            reveal.advance(now, view, box, source);
        }
    }
}
BENCHMARK(BM_WipeOnlyWhatIsNew)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skyfolio

BENCHMARK_MAIN();
