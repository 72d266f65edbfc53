#pragma once

#include <vector>

namespace skyfolio {

class Form1;
class InputWatch;

// The saver window's input on its way to the input watch. While Form1 draws
// a transition nothing is acted on: keys, buttons and movements wait, and
// once it is over they are handled in the order they came, so a key pressed
// meanwhile still ends the saver.
class HeldInput {
public:
    HeldInput(const Form1& form, InputWatch& watch) : form_(form), watch_(watch) {}

    void keyDown() { arrive({Kind::Key, 0, 0}); }
    void mouseDown() { arrive({Kind::Button, 0, 0}); }
    // Pointer positions in pixels of the window.
    void mouseMove(float x, float y) { arrive({Kind::Move, x, y}); }

    // Hands on what waited, if the transition is over. Called after every
    // timer tick of the form.
    void release();

private:
    enum class Kind { Key, Button, Move };
    struct Event {
        Kind kind;
        float x;
        float y;
    };

    void arrive(const Event& event);
    void handle(const Event& event);

    const Form1& form_;
    InputWatch& watch_;
    std::vector<Event> waiting_;
};

}  // namespace skyfolio
