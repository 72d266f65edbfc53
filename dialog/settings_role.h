#pragma once

namespace skyfolio {

// The "/c" role: shows the settings dialog and runs until it ends the
// program. Returns the program's exit code.
int RunSettingsDialog(int argc, char** argv);

}  // namespace skyfolio
