// Runs an effect without a display, through the saver's own set-up and
// timers, and prints where it drew.
//
//   skyfolio-sim [--effect N] [--width W] [--height H] [--copies C] [--ticks T]
//                [--seed S] [--pictures DIR] [--png DIR [--every K]]
//
// One CSV row per drawn copy: tick,copy,x,y,size,picture. Float has one copy,
// its floating picture, with one row per tick of any of its timers: x and y
// its top-left corner in pixels, size its width in pixels and picture its
// list index (-1 while none shows). Slideshow writes
// tick,photo,x,y,width,height,picture,weight: after each tick of its timers
// a row per photo on the screen, where it shows (its frame, which pan and
// zoom moves and may carry past the screen's edges), its list index and how
// much of it shows, of 256 (less while it fades in or out). --pictures names
// a folder to use instead of the two samples: of cache files (skyfss0.dib,
// ...) for the copy effects, of picture files for Float and Slideshow. --png
// writes every K-th frame there as frame-NNNNNN.png.

#include "files/program_folder.h"
#include "imaging/units.h"
#include "platform/file_picture_source.h"
#include "platform/file_slide_maker.h"
#include "platform/image_surface.h"
#include "saver/copy_effects.h"
#include "saver/effects.h"
#include "saver/float_effect.h"
#include "saver/form1.h"
#include "saver/random.h"
#include "saver/slideshow_effect.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"
#include "tools/csv_surface.h"
#include "tools/headless_host.h"
#include "tools/headless_program_folder.h"
#include "tools/simulated_timers.h"

#include <QDir>
#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

using namespace skyfolio;

namespace {

constexpr int kLastEffect = kSlideshow;
constexpr int kLargestScreenSide = 16384;

struct Options {
    int effect = 0;
    int width = 800;
    int height = 600;
    int copies = 10;
    int ticks = 100;
    long long seed = 1;
    std::string pictures;
    std::string png;
    int every = 1;
};

template <typename Int>
bool parseWhole(const char* text, Int low, Int high, Int& value) {
    const char* end = text + std::strlen(text);
    Int parsed{};
    const auto result = std::from_chars(text, end, parsed);
    if (result.ec != std::errc() || result.ptr != end || parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

// The options, or nullopt after saying what is wrong.
std::optional<Options> parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; i += 2) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "skyfolio-sim: %s needs a value\n", flag.c_str());
            return std::nullopt;
        }
        const char* value = argv[i + 1];
        bool ok = true;
        if (flag == "--effect")
            ok = parseWhole(value, 0, kLastEffect, o.effect);
        else if (flag == "--width")
            ok = parseWhole(value, 1, kLargestScreenSide, o.width);
        else if (flag == "--height")
            ok = parseWhole(value, 1, kLargestScreenSide, o.height);
        else if (flag == "--copies")
            ok = parseWhole(value, 1, 32767, o.copies);
        else if (flag == "--ticks")
            ok = parseWhole(value, 0, 100'000'000, o.ticks);
        else if (flag == "--seed")
            ok = parseWhole(value, 0LL, (1LL << 62), o.seed);
        else if (flag == "--every")
            ok = parseWhole(value, 1, 100'000'000, o.every);
        else if (flag == "--pictures")
            o.pictures = value;
        else if (flag == "--png")
            o.png = value;
        else {
            std::fprintf(stderr, "skyfolio-sim: unknown option %s\n", flag.c_str());
            return std::nullopt;
        }
        if (!ok) {
            std::fprintf(stderr, "skyfolio-sim: %s %s is not allowed%s\n", flag.c_str(), value,
                         flag == "--effect" ? " (effects: 0 to 8)" : "");
            return std::nullopt;
        }
    }
    return o;
}

std::unique_ptr<HeadlessProgramFolder> programFolder(const Options& o) {
    const HeadlessProgramFolder::Settings settings = {{&keys::mode, std::to_string(o.effect)},
                                                      {&keys::clonesOfImage, std::to_string(o.copies)}};
    if (o.pictures.empty()) return std::make_unique<HeadlessProgramFolder>(settings);
    if (o.effect == kFloat || o.effect == kSlideshow)
        return std::make_unique<HeadlessProgramFolder>(settings, HeadlessProgramFolder::PictureFolder{o.pictures});
    return std::make_unique<HeadlessProgramFolder>(settings, HeadlessProgramFolder::CacheFolder{o.pictures});
}

// Float's row: where its picture box stands after the tick.
void writeFloatRow(int tick, const Form1& form) {
    const FloatBox& box = form.family<FloatEffect>().FirstPicture;
    std::printf("%d,0,%d,%d,%d,%d\n", tick, twipsToPixels(box.left), twipsToPixels(box.top), twipsToPixels(box.width),
                box.visible ? box.pictureIndex : -1);
}

// Slideshow's rows: each photo on the screen after the tick, the one going
// out first.
void writeSlideshowRows(int tick, const Form1& form) {
    int number = 0;
    for (const Slideshow::Shown& photo : form.family<SlideshowEffect>().slideshow.shown())
        std::printf("%d,%d,%d,%d,%d,%d,%d,%d\n", tick, number++, photo.frame.x, photo.frame.y, photo.frame.width,
                    photo.frame.height, photo.index, photo.weight);
}

// A tick of a copy effect is one of its animation ticks; the timers that
// change the picture run between them.
bool runCopyTick(SimulatedTimers& timers, const Form1& form) {
    const CopyEffects& copies = form.family<CopyEffects>();
    for (;;) {
        const Timer* ran = timers.runNext();
        if (!ran) return false;
        if (ran == &copies.Timer1 || ran == &copies.Timer5) return true;
    }
}

int run(const Options& o) {
    const auto folder = programFolder(o);
    const SaverSettings settings = readSaverSettings(SettingsFile());

    std::optional<ImageSurface> frames;
    if (!o.png.empty()) {
        if (!QDir().mkpath(QString::fromStdString(o.png))) {
            std::fprintf(stderr, "skyfolio-sim: cannot make %s\n", o.png.c_str());
            return 1;
        }
        frames.emplace(QSize(o.width, o.height), nullptr);
    }
    CsvSurface csv(stdout, {o.width, o.height}, frames ? &*frames : nullptr);
    HeadlessHost host;
    FilePictureSource pictures([](int number) { return cacheFilePath(DecimalText(number)); });
    SeededRandom random(static_cast<uint64_t>(o.seed));
    SimulatedClock clock;
    // Made as they are taken, so that a run comes out the same every time.
    FileSlideMaker slides(static_cast<uint64_t>(o.seed), skyfolio::programFolder(), FileSlideMaker::Threads::Caller);
    Form1 form(settings, {csv, pictures, host, random, clock, &slides});
    const bool slideshow = o.effect == kSlideshow;
    const bool floating = !form.effect.usesCache() && !slideshow;
    if (form.effect.usesCache()) csv.watch(form.family<CopyEffects>());
    form.Form_Load();
    if (host.ended()) return 1;

    SimulatedTimers timers(form, clock);
    if (slideshow)
        std::puts("tick,photo,x,y,width,height,picture,weight");
    else
        csv.writeHeader();
    for (int tick = 1; tick <= o.ticks; ++tick) {
        csv.startTick(tick);
        if (floating || slideshow) {
            if (!timers.runNext()) break;
            if (host.ended()) return 1;
            if (slideshow)
                writeSlideshowRows(tick, form);
            else
                writeFloatRow(tick, form);
        } else if (!runCopyTick(timers, form)) {
            break;
        }
        if (frames && tick % o.every == 0) {
            const QString file =
                QDir(QString::fromStdString(o.png)).filePath(QString::asprintf("frame-%06d.png", tick));
            if (!frames->shown().save(file)) {
                std::fprintf(stderr, "skyfolio-sim: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
        if (host.ended()) return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    // Slideshow's captions are drawn with fonts, which want a Qt application;
    // nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: skyfolio-sim [--effect N] [--width W] [--height H] [--copies C] [--ticks T] [--seed S]\n"
                     "                    [--pictures DIR] [--png DIR [--every K]]\n");
        return 2;
    }
    try {
        return run(*options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skyfolio-sim: %s\n", e.what());
        return 1;
    }
}
