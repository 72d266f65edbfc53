#include "platform/file_picture_source.h"

#include "imaging/picture.h"

namespace skyfolio {
namespace {

template <typename Load>
Pixels pixelsOf(Load load) {
    try {
        return load().pixels();
    } catch (const PictureError& e) {
        throw PictureLoadError(e.what());
    }
}

Pixels pixelsOfFile(const std::string& path) {
    return pixelsOf([&] { return Picture::load(path); });
}

}  // namespace

Pixels FilePictureSource::cachePicture(int number) { return pixelsOfFile(cachePath_(number)); }

Pixels FilePictureSource::userPicture(const std::string& path) { return pixelsOfFile(path); }

std::optional<PictureSize> FilePictureSource::userPictureSize(const std::string& path) { return Picture::probe(path); }

Pixels FilePictureSource::userPicture(const std::string& path, PictureSize size) {
    return pixelsOf([&] { return Picture::loadAtSize(path, size); });
}

}  // namespace skyfolio
