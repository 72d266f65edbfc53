#pragma once

#include <string>
#include <string_view>

namespace skyfolio {

// The files Skyfolio keeps in its program folder.
inline constexpr std::string_view kSettingsFileName = "r909izarav.ini";
inline constexpr std::string_view kCacheFolderName = "SkyfolioImg";
// Skyfolio's own help page, opened in the user's browser.
inline constexpr std::string_view kHelpPageName = "skyfolio-help.html";
// The two sample pictures installed beside the program.
inline constexpr std::string_view kSamplePictures[] = {"Image1.jpg", "Image2.jpg"};

// The cache file of picture `number`, given as decimal text, relative to the
// program folder: "SkyfolioImg/skyfss0.dib".
inline constexpr std::string_view kCacheFilePrefix = "skyfss";
inline std::string cacheFileName(std::string_view number) {
    return std::string(kCacheFolderName) + "/" + std::string(kCacheFilePrefix) + std::string(number) + ".dib";
}

}  // namespace skyfolio
