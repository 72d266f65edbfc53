#include "settings/program_files.h"

#include "platform/files.h"
#include "platform/program_folder.h"

namespace skyfolio {

std::string settingsFilePath() { return programPath(kSettingsFileName); }

std::string helpPageAddress() { return fileAddress(programPath(kHelpPageName)); }

std::string cacheFolderPath() { return programPath(kCacheFolderName); }

std::string cacheFilePath(std::string_view number) {
    return programPath(std::string(kCacheFolderName) + "/skyfss" + std::string(number) + ".dib");
}

}  // namespace skyfolio
