#pragma once

#include "platform/pointer_position.h"

#include <vector>

namespace skyfolio {

class Form1;
class InputWatch;

// One saver window's input on its way to the input watch. While the window's
// Form1 draws a transition nothing is acted on: keys, buttons and movements
// wait, and once it is over they are handled in the order they came, so a
// key pressed meanwhile still ends the saver. Each window holds its own
// input, so transitions on other screens never keep it waiting.
class HeldInput {
public:
    HeldInput(const Form1& form, InputWatch& watch) : form_(&form), watch_(watch) {}

    void keyDown() { arrive({Kind::Key, {}}); }
    void mouseDown() { arrive({Kind::Button, {}}); }
    void mouseMove(const PointerPosition& at) { arrive({Kind::Move, at}); }

    // Hands on what waited, if the transition is over. Called after every
    // timer tick of the form.
    void release();
    // The window's screen was set up again: its new form, and what waited
    // for the old one's transition handed on.
    void follow(const Form1& form);

private:
    enum class Kind { Key, Button, Move };
    struct Event {
        Kind kind;
        PointerPosition at;
    };

    void arrive(const Event& event);
    void handle(const Event& event);

    const Form1* form_;
    InputWatch& watch_;
    std::vector<Event> waiting_;
};

}  // namespace skyfolio
