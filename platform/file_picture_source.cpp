#include "platform/file_picture_source.h"

#include "imaging/picture.h"

namespace skyfolio {
namespace {

Pixels pixelsOfFile(const std::string& path) {
    try {
        return Picture::load(path).pixels();
    } catch (const PictureError& e) {
        throw PictureLoadError(e.what());
    }
}

}  // namespace

Pixels FilePictureSource::cachePicture(int number) { return pixelsOfFile(cachePath_(number)); }

Pixels FilePictureSource::userPicture(const std::string& path) { return pixelsOfFile(path); }

}  // namespace skyfolio
