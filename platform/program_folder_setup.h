#pragma once

#include "files/program_folder.h"

#include <optional>
#include <string>

namespace skyfolio {

// Makes an installed copy's per-user program folder from its package's
// template when the folder is missing: the settings file as installed, the
// sample pictures and their cache files. A folder that is there, however it
// came to be, is left exactly as it is. Several processes may start at once:
// each builds a folder of its own beside the place and renames it there, so
// the first one's folder is taken whole and the others' are thrown away.
//
// Returns the message that tells the user why the folder cannot be made, or
// nothing once it is there.
std::optional<std::string> prepareProgramFolder(const ProgramFolders& folders);

// The same for this process's folders.
std::optional<std::string> prepareProgramFolder();

}  // namespace skyfolio
