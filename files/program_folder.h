#pragma once

#include <string>
#include <string_view>

namespace skyfolio {

// The folder, plus "/" unless it already ends with one, plus the relative name.
std::string joinProgramPath(std::string_view folder, std::string_view relative);

// Where Skyfolio keeps its files. A copy whose own folder holds the settings
// file (the portable dist/) keeps everything there. An installed copy keeps
// the user's settings, pictures and cache in a folder of the user's own,
// made on first use from the template its package installed.
struct ProgramFolders {
    std::string program;   // the settings file, the sample pictures, the cache
    std::string package;   // the help page; for an installed copy, the template of `program`
    bool perUser = false;  // `program` is made from `package` when it is missing
};

// $HOME as the desktop hands it over; the password database's when it is unset.
std::string homeFolder();

// Decides from the program's own folder, $XDG_DATA_HOME and the home folder
// (either may be null). The template is looked for beside the program as
// installed, so that a staged install finds its own, then where the package
// puts it.
ProgramFolders locateProgramFolders(const std::string& executableFolder, const char* dataHome, const char* home);

// This process's folders, decided once, unless a test or a tool has pointed
// them all at one folder.
const ProgramFolders& programFolders();
std::string programFolder();
void setProgramFolder(std::string folder);

// A path under the program folder.
std::string programPath(std::string_view relative);

}  // namespace skyfolio
