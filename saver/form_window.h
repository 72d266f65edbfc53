#pragma once

namespace skyfolio {

class Form1;

// What start-up, the input watch and the password prompt do to Form1's
// window, beyond what Form1's own procedures ask of their host.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    // Show the window, covering the primary screen, and give it the keyboard.
    virtual void showForm() = 0;
    // Move the mouse pointer; the platform keeps it on the primary screen.
    virtual void setCursorPos(int x, int y) = 0;
    // Place the window over the primary screen, shown, without taking the
    // keyboard; kept above other windows or not.
    virtual void placeWindow(bool topmost) = 0;
    // A disabled form receives no keyboard or mouse input.
    virtual void setInputEnabled(bool enabled) = 0;
};

// Moves the pointer just beyond Form1's far corner, out of sight; the
// platform stops it at the screen's corner. Done at start and on each return
// from the password prompt.
void MovePointerOutOfSight(const Form1& form, FormWindow& window);

}  // namespace skyfolio
