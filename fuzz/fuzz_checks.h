#pragma once

#include <cstdint>
#include <span>

namespace skyfolio::fuzz {

// Each check feeds one input to one parser of outside data. Refusing the
// input is fine; a crash, a hang or a broken promise is not. Returns false
// when a promise is broken (the fuzzer then stops and keeps the input).
using Check = bool (*)(std::span<const uint8_t> data);

// The settings file read, edited, written and read again: every value but
// the edited one reads as before, and every line not edited comes back byte
// for byte, its line ending with it.
bool settingsRoundTrip(std::span<const uint8_t> data);
// The JPEG header reader alone.
bool jpegHeader(std::span<const uint8_t> data);
// The DC-only decoder of progressive JPEGs.
bool jpegDcDecoder(std::span<const uint8_t> data);
// The whole JPEG path through libjpeg, with our limits, at 1/8 scale.
bool jpegDecoder(std::span<const uint8_t> data);
// The BMP/DIB reader, rows area-scaled as the preview has them.
bool bitmapDecoder(std::span<const uint8_t> data);
// A picture file as the dialog loads it; GIF goes to Qt under our ceiling.
bool pictureFile(std::span<const uint8_t> data);
// The number conversions of the settings' texts.
bool numberConversions(std::span<const uint8_t> data);
// Skyfolio added to the programs list of a ~/.xscreensaver: the file comes
// back with one piece inserted, which a second reading finds.
bool xscreensaverPrograms(std::span<const uint8_t> data);

struct Target {
    const char* name;
    Check check;
};
inline constexpr Target kTargets[] = {
    {"settings", settingsRoundTrip},     {"jpeg_header", jpegHeader}, {"jpeg_dc", jpegDcDecoder},
    {"jpeg", jpegDecoder},               {"bitmap", bitmapDecoder},   {"picture", pictureFile},
    {"numbers", numberConversions},      {"xscreensaver", xscreensaverPrograms},
};

}  // namespace skyfolio::fuzz
