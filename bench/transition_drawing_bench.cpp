// Drawing a Left wipe into Float's picture box: each step's rectangle drawn
// whole, as the steps are given, against drawing only the part a step adds.
// The pacing is left out: this is the cost under it.

#include "platform/picture_box_widget.h"
#include "saver/transitions.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include <cstdlib>

namespace skyfolio {
namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 540;

QApplication& application() {
    static int argc = 1;
    static char name[] = "transition-bench";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

QImage picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter(&image).fillRect(image.rect(), QLinearGradient(0, 0, kWidth, kHeight));
    return image;
}

QRect pixels(const CopyStep& s) { return QRect(int(s.x), int(s.y), s.width, s.height); }

void BM_WipeEveryRectangleWhole(benchmark::State& state) {
    const QImage source = picture();
    QImage box(source.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&box);
        forEachTransitionStep(kLeftWipe, kWidth, kHeight, [&](const CopyStep& step) {
            const QRect rect = pixels(step);
            painter.drawImage(rect.topLeft(), source, rect);
        });
    }
}
BENCHMARK(BM_WipeEveryRectangleWhole)->Unit(benchmark::kMillisecond);

void BM_WipeOnlyWhatIsNew(benchmark::State& state) {
    application();
    const QImage source = picture();
    QWidget form;
    form.resize(source.size());
    for (auto _ : state) {
        PictureBoxWidget box(&form);
        box.setGeometry(source.rect());
        forEachTransitionStep(kLeftWipe, kWidth, kHeight,
                              [&](const CopyStep& step) { box.copy(source, pixels(step)); });
    }
}
BENCHMARK(BM_WipeOnlyWhatIsNew)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skyfolio

BENCHMARK_MAIN();
