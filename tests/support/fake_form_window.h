#pragma once

#include "saver/form_window.h"

#include <optional>
#include <utility>

namespace skyfolio::test {

// Form1's window as the tests see it: what was last asked of it.
class FakeFormWindow : public FormWindow {
public:
    void showForm() override { ++shows; }
    void setCursorPos(int x, int y) override { cursor = {x, y}; }
    void placeWindow(bool isTopmost) override {
        ++placements;
        topmost = isTopmost;
    }
    void setInputEnabled(bool enabled) override { inputEnabled = enabled; }

    int shows = 0;
    int placements = 0;
    std::optional<std::pair<int, int>> cursor;
    bool topmost = true;
    bool inputEnabled = true;
};

}  // namespace skyfolio::test
