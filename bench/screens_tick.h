#pragma once

namespace skyfolio {

// Registers the ticks of every screen of a desktop of one and of two
// screens, on the X server of $DISPLAY.
void RegisterScreenTicks();

}  // namespace skyfolio
