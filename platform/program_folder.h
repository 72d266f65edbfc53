#pragma once

#include <string>
#include <string_view>

namespace skyfolio {

// The folder, plus "/" unless it already ends with one, plus the relative name.
std::string joinProgramPath(std::string_view folder, std::string_view relative);

// The folder of the running executable, unless a test has pointed it elsewhere.
std::string programFolder();
void setProgramFolder(std::string folder);

// A path under the program folder.
std::string programPath(std::string_view relative);

}  // namespace skyfolio
