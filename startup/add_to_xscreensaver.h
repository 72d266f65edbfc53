#pragma once

#include <iosfwd>
#include <string>

namespace skyfolio {

// The role of "--add-to-xscreensaver": adds "skyfolio --root" to the
// "programs:" list of the user's ~/.xscreensaver, once. Says what it did on
// `out`, or what the user can do instead on `err`; returns the exit status.
int AddToXscreensaver(const std::string& home, std::ostream& out, std::ostream& err);

// The same for the user running the program.
int AddToXscreensaver();

}  // namespace skyfolio
