#pragma once

namespace skyfolio {

// What start-up, the input watch and the password prompt do to the saver's
// windows, one on each screen, beyond what Form1's own procedures ask of
// their host.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    // Show the windows, each covering its screen, and give the keyboard to
    // the primary screen's.
    virtual void showForm() = 0;
    // Move the mouse pointer out of sight, to the primary screen's
    // bottom-right corner.
    virtual void movePointerOutOfSight() = 0;
    // Place the windows over their screens, shown, without taking the
    // keyboard; kept above other windows or not.
    virtual void placeWindow(bool topmost) = 0;
    // Disabled windows receive no keyboard or mouse input.
    virtual void setInputEnabled(bool enabled) = 0;
};

}  // namespace skyfolio
