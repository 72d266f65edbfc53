#pragma once

#include <optional>
#include <string>

namespace skyfolio {

// The hack-running screen-saver daemon already at work in this session, if
// any: xscreensaver (its marked window on the X display), mate-screensaver or
// xfce4-screensaver (their names on the session bus). Two savers must never
// fight over the screen.
std::optional<std::string> runningSaverDaemon();

}  // namespace skyfolio
