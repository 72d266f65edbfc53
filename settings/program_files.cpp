#include "settings/program_files.h"

#include "files/files.h"
#include "files/program_folder.h"

namespace skyfolio {

std::string settingsFilePath() { return programPath(kSettingsFileName); }

// The help page belongs to the program, not to the user's folder: an
// installed copy finds it in its package.
std::string helpPageAddress() { return fileAddress(joinProgramPath(programFolders().package, kHelpPageName)); }

std::string cacheFolderPath() { return programPath(kCacheFolderName); }

std::string cacheFilePath(std::string_view number) { return programPath(cacheFileName(number)); }

}  // namespace skyfolio
