#pragma once

#include <string>

namespace skyfolio {

// The idle times the watch and the dialog offer, in minutes: up to half a day.
inline constexpr int kFewestIdleMinutes = 1;
inline constexpr int kMostIdleMinutes = 720;

// The idle time a setting text gives: a whole number of minutes in range;
// anything else, the installed value, as the dialog shows it.
int idleMinutesValue(const std::string& text);

}  // namespace skyfolio
