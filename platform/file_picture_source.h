#pragma once

#include "saver/picture_source.h"

#include <functional>

namespace skyfolio {

// The saver's pictures from files, decoded by the image library.
class FilePictureSource : public PictureSource {
public:
    // `cachePath` names the file of each cache picture.
    explicit FilePictureSource(std::function<std::string(int number)> cachePath) : cachePath_(std::move(cachePath)) {}

    Pixels cachePicture(int number) override;
    std::string cachePicturePath(int number) const override { return cachePath_(number); }
    Pixels userPicture(const std::string& path) override;
    std::optional<PictureSize> userPictureSize(const std::string& path) override;
    Pixels userPicture(const std::string& path, PictureSize size) override;

private:
    std::function<std::string(int number)> cachePath_;
};

}  // namespace skyfolio
