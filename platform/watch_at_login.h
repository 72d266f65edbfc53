#pragma once

#include "files/write_result.h"

#include <string>

namespace skyfolio {

// The XDG autostart entry that starts the idle watch at login:
// $XDG_CONFIG_HOME/autostart/skyfolio-watch.desktop.
std::string autostartEntryPath();

// The entry's text for a program at `program`: "skyfolio --watch" when the
// command "skyfolio" (looked up in `searchPath`) is that program, otherwise
// its full path, quoted as desktop entries quote.
std::string autostartEntry(const std::string& program, const std::string& searchPath);

// Written in one step, its folder made when missing.
WriteResult writeAutostartEntry();
// Removed, or there was none.
WriteResult removeAutostartEntry();

// A watch started now for this session, apart from this process; a second
// one ends by itself.
void startIdleWatch();
// The session's running watch ended, if one runs.
void endIdleWatch();

}  // namespace skyfolio
