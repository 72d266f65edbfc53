#pragma once

#include "saver/saver_host.h"

namespace skyfolio {

// The saver's host without a window: messages go to the error stream, and
// an end is remembered for the caller to see.
class HeadlessHost : public SaverHost {
public:
    void showMessage(const std::string& text) override;
    void unloadForm() override {}
    void endProgram() override { ended_ = true; }

    // Whether the saver asked to end, after a failure.
    bool ended() const { return ended_; }

private:
    bool ended_ = false;
};

}  // namespace skyfolio
