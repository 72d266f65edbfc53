#pragma once

#include "imaging/pixels.h"
#include "saver/picture_set.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace skyfolio {

// A picture that could not be had: missing, unreadable, damaged, too large.
class PictureLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the saver's pictures come from, decoded. Each call throws
// PictureLoadError when the picture cannot be had.
class PictureSource {
public:
    virtual ~PictureSource() = default;

    // Picture `number` of the cache the save wrote, for the copy effects.
    virtual Pixels cachePicture(int number) = 0;
    // That picture with its members, for one screen's copies to be drawn
    // from. A source that serves several screens may hand them one set.
    virtual PictureSet cachePictureSet(int number) { return buildPictureSet(cachePicture(number)); }
    // How messages name that cache picture: its file's path.
    virtual std::string cachePicturePath(int number) const = 0;
    // One of the user's own picture files, for Float, at its own size.
    virtual Pixels userPicture(const std::string& path) = 0;
    // Its size upright, told by the file without decoding it; none when the
    // file does not tell.
    virtual std::optional<PictureSize> userPictureSize(const std::string& path) = 0;
    // The same picture at exactly `size`, decoded at that size where its
    // format allows, so that a large picture is never held whole.
    virtual Pixels userPicture(const std::string& path, PictureSize size) = 0;
};

}  // namespace skyfolio
