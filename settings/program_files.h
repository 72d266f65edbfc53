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

std::string settingsFilePath();
std::string helpPageAddress();
std::string cacheFolderPath();
// Cache file of picture `number`, given as decimal text: "SkyfolioImg/skyfss0.dib".
std::string cacheFilePath(std::string_view number);

}  // namespace skyfolio
