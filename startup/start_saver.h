#pragma once

namespace skyfolio {

class GuiApplication;

// Shows Form1 full screen, above the other windows, with the pointer out of
// sight, and runs the saver until it ends.
int StartSaver(GuiApplication& app);

}  // namespace skyfolio
