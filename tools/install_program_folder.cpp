// Lays out a program folder as installed: the settings file in its first-run
// state, the two sample pictures and their cache files, and the help page.
// Files that are already there stay as they are, so a user's settings survive
// a rebuild; the help page is the program's own and is always replaced.
//
//   skyfolio-install <program folder>

#include "dialog/cache_conversion.h"
#include "files/files.h"
#include "files/program_folder.h"
#include "imaging/picture.h"
#include "settings/program_files.h"
#include "settings/settings_file.h"
#include "tools/sample_pictures.h"

#include <QImage>

#include <cstdio>
#include <functional>

using namespace skyfolio;

namespace {

bool makeIfMissing(const std::string& path, const std::function<bool()>& make) {
    if (fileExists(path)) return true;
    if (make()) return true;
    std::fprintf(stderr, "skyfolio-install: could not write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skyfolio-install <program folder>\n");
        return 2;
    }
    setProgramFolder(argv[1]);
    if (!makeFolder(cacheFolderPath())) {
        std::fprintf(stderr, "skyfolio-install: could not create %s\n", cacheFolderPath().c_str());
        return 1;
    }

    bool ok = makeIfMissing(settingsFilePath(), [] { return bool(installSettingsFile(settingsFilePath())); });
    const QImage samples[] = {drawSunriseSample(), drawNightSample()};
    for (size_t i = 0; i < std::size(kSamplePictures); ++i) {
        const std::string picture = programPath(kSamplePictures[i]);
        ok &= makeIfMissing(picture, [&] { return bool(Picture(samples[i]).saveJpeg(picture, 90)); });
        ok &= makeIfMissing(cacheFilePath(std::to_string(i)), [&] {
            try {
                convertPictureForCache(picture, cacheFilePath(std::to_string(i)));
                return true;
            } catch (const CacheConversionError& e) {
                std::fprintf(stderr, "skyfolio-install: %s\n", e.what());
                return false;
            }
        });
    }
    // Built into this installer from dialog/help.
    const FileRead help = readWholeFile(":/skyfolio-help.html");
    if (const WriteResult written = replaceFileAtomically(programPath(kHelpPageName), help.bytes);
        !help.error.empty() || !written) {
        std::fprintf(stderr, "skyfolio-install: could not write the help page: %s%s\n", help.error.c_str(),
                     written.error.c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}
