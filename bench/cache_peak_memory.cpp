// Peak memory of the save's cache replacement, each case in a fresh process,
// since a process's peak only grows:
//  - Qt loaded, nothing converted (what any process of ours starts with);
//  - a list of 20 photos of 12 megapixels, every fourth progressive;
//  - one very large photo (192 megapixels, about the largest the cache
//    takes), baseline and progressive;
//  - two photos of 12 megapixels in each of the other formats, converted
//    at once as the save does on two cores;
//  - a BMP of 9000 x 9000 pixels (243 MB), more than is ever held whole.
//
//   cache_peak_memory                            makes the photos, measures
//   cache_peak_memory convert <folder> <photo>...  converts, for the parent

#include "bench/child_peak_memory.h"
#include "bench/photo_maker.h"
#include "dialog/cache_replacement.h"
#include "files/program_folder.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace skyfolio;
using bench::peakOfChild;
using bench::printPeakMemory;

namespace {

constexpr bench::PhotoKind kVeryLarge = {16000, 12000, false, 99};

// Converts and prints the peak resident memory of this process in kB.
int convert(const std::string& folder, const std::vector<std::string>& photos) {
    setProgramFolder(folder);
    CacheReplacement r = prepareCache(photos, [](int) {});
    const WriteResult moved = r.commit();
    if (!moved) std::fprintf(stderr, "%s\n", moved.error.c_str());
    return printPeakMemory() && moved ? 0 : 1;
}

// The peak resident memory of a child converting `photos`, in megabytes;
// negative when the conversion failed.
double peakOfConversion(const char* self, const std::string& folder, const std::vector<std::string>& photos) {
    std::vector<std::string> arguments = {"convert", folder};
    arguments.insert(arguments.end(), photos.begin(), photos.end());
    return peakOfChild(self, arguments);
}

std::string make(const QTemporaryDir& folder, const QString& name, const bench::PhotoKind& kind) {
    const std::string path = folder.filePath(name).toStdString();
    if (!bench::makePhoto(path, kind)) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "convert") == 0) return convert(argv[2], {argv + 3, argv + argc});

    QTemporaryDir photos, program;
    const std::vector<std::string> list = bench::makePhotoList(photos.path().toStdString()).all;
    bench::PhotoKind progressive = kVeryLarge;
    progressive.progressive = true;
    const std::string large = make(photos, "large.jpg", kVeryLarge);
    const std::string largeProgressive = make(photos, "large progressive.jpg", progressive);
    const std::string bitmap = photos.filePath("large.bmp").toStdString();
    if (!bench::makeBitmap(bitmap, 9000, 9000)) std::fprintf(stderr, "cannot write %s\n", bitmap.c_str());

    const std::string folder = program.path().toStdString();
    std::printf("%-44s %s\n", "case", "peak resident memory");
    std::printf("%-44s %6.1f MB\n", "nothing converted", peakOfConversion(argv[0], folder, {}));
    std::printf("%-44s %6.1f MB\n", "20 photos of 12 MP, 5 of them progressive", peakOfConversion(argv[0], folder, list));
    std::printf("%-44s %6.1f MB\n", "one photo of 192 MP", peakOfConversion(argv[0], folder, {large}));
    std::printf("%-44s %6.1f MB\n", "one progressive photo of 192 MP", peakOfConversion(argv[0], folder, {largeProgressive}));
    std::printf("%-44s %6.1f MB\n", "both at once", peakOfConversion(argv[0], folder, {large, largeProgressive}));
    for (test::FileFormat format : test::kFileFormats) {
        const std::string name = std::string("2 photos of 12 MP as ") + test::suffixOf(format);
        const std::vector<std::string> two = bench::photosInFormat(bench::PhotoList{list, {}, {}}, format, 2,
                                                                   photos.path().toStdString());
        std::printf("%-44s %6.1f MB\n", name.c_str(), peakOfConversion(argv[0], folder, two));
    }
    std::printf("%-44s %6.1f MB\n", "one BMP of 9000 x 9000, 24 bits (243 MB)", peakOfConversion(argv[0], folder, {bitmap}));
    return 0;
}
