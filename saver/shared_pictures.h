#pragma once

#include "saver/picture_source.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace skyfolio {

// The pictures of all the screens of one saver, from one source. A cache
// picture's set, or a picture of the user's at one size, is made once and
// handed to every screen that asks for it while any screen still holds it;
// the last screen to let go of it frees it. Screens that change pictures
// together so hold one copy between them, whatever their number.
class SharedPictures : public PictureSource {
public:
    explicit SharedPictures(PictureSource& source) : source_(source) {}

    Pixels cachePicture(int number) override { return source_.cachePicture(number); }
    PictureSet cachePictureSet(int number) override;
    std::string cachePicturePath(int number) const override { return source_.cachePicturePath(number); }
    Pixels userPicture(const std::string& path) override;
    std::optional<PictureSize> userPictureSize(const std::string& path) override {
        return source_.userPictureSize(path);
    }
    Pixels userPicture(const std::string& path, PictureSize size) override;

private:
    // A user's picture: its path, and its size when one was asked for.
    using PictureKey = std::tuple<std::string, bool, int, int>;

    Pixels sharedPicture(const PictureKey& key, const std::function<Pixels()>& load);

    PictureSource& source_;
    std::map<int, std::weak_ptr<const PictureSet>> sets_;
    std::map<PictureKey, std::weak_ptr<const Pixels>> pictures_;
};

}  // namespace skyfolio
