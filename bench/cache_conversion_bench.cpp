// One picture into the cache: decoding at the size needed against decoding the
// whole photo and scaling it afterwards.

#include "dialog/cache_conversion.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTemporaryDir>

namespace skyfolio {
namespace {

// A 12-megapixel photo-like JPEG: smooth gradients with some detail.
const std::string& photo() {
    static QTemporaryDir folder;
    static const std::string path = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient sky(0, 0, 4000, 3000);
        sky.setColorAt(0, QColor(30, 60, 150));
        sky.setColorAt(1, QColor(240, 180, 90));
        p.fillRect(image.rect(), sky);
        for (int i = 0; i < 400; ++i) p.fillRect((i * 97) % 4000, (i * 53) % 3000, 40, 25, QColor::fromHsv(i % 360, 180, 200));
        const std::string file = folder.filePath("photo.jpg").toStdString();
        Picture(image).saveJpeg(file, 90);
        return file;
    }();
    return path;
}

void BM_ConvertAtNeededSize(benchmark::State& state) {
    QTemporaryDir out;
    const std::string cache = out.filePath("skyfss0.dib").toStdString();
    for (auto _ : state) convertPictureForCache(photo(), cache);
}
BENCHMARK(BM_ConvertAtNeededSize)->Unit(benchmark::kMillisecond);

void BM_FullDecodeThenScale(benchmark::State& state) {
    QTemporaryDir out;
    const std::string cache = out.filePath("skyfss0.dib").toStdString();
    for (auto _ : state) {
        const Picture whole = Picture::load(photo());
        const CacheGeometry g = cacheGeometry(whole.size());
        whole.scaled(g.drawn).topLeft(g.stored).saveBitmap(cache);
    }
}
BENCHMARK(BM_FullDecodeThenScale)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skyfolio

BENCHMARK_MAIN();
