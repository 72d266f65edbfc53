#pragma once

#include "password/form_window.h"

namespace skyfolio::test {

// The saver's windows as the tests see them: what was last asked of them.
class FakeFormWindow : public FormWindow {
public:
    void showForm() override { ++shows; }
    void movePointerOutOfSight() override { ++pointerMoves; }
    void placeWindow(bool isTopmost) override {
        ++placements;
        topmost = isTopmost;
    }
    void setInputEnabled(bool enabled) override { inputEnabled = enabled; }

    int shows = 0;
    int placements = 0;
    int pointerMoves = 0;
    bool topmost = true;
    bool inputEnabled = true;
};

}  // namespace skyfolio::test
