#pragma once

namespace skyfolio {

class GuiApplication;

// The settings role: shows Form2 and runs until the dialog ends the program.
int RunSettingsDialog(GuiApplication& app);

}  // namespace skyfolio
