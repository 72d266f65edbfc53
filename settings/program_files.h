#pragma once

#include "files/program_file_names.h"

#include <string>
#include <string_view>

namespace skyfolio {

std::string settingsFilePath();
std::string helpPageAddress();
std::string cacheFolderPath();
// Cache file of picture `number`, given as decimal text: "SkyfolioImg/skyfss0.dib".
std::string cacheFilePath(std::string_view number);

}  // namespace skyfolio
