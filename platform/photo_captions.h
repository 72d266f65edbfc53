#pragma once

#include "saver/slide_composer.h"

#include <QDate>
#include <QString>

#include <string>

namespace skyfolio {

// When the photo was taken: its EXIF DateTimeOriginal, else the file's date.
QDate photoDate(const std::string& path);
// The caption's words: that date in the user's locale, without the day of
// the week, and the name of the photo's folder.
QString captionText(const std::string& path);

// Captions drawn by Qt: small white text with a soft shadow on nothing.
// Safe on a worker thread: it paints on an image, never on a window.
class PhotoCaptions : public CaptionMaker {
public:
    Pixels caption(const std::string& path, int height) override;
};

}  // namespace skyfolio
