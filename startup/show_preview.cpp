#include "startup/show_preview.h"

#include "platform/x11/x11_preview.h"
#include "startup/command_line.h"
#include "startup/puzzle_form.h"

namespace skyfolio {

int ShowPreview(std::string_view argumentText) {
    const PuzzleForm form;
    // Drawn in memory: nothing waits for the event queue.
    if (const std::optional<uint32_t> handle = PreviewHandle(argumentText))
        paintIntoX11Window(*handle, form.Picture1.topLeft(PuzzleForm::kPreviewBlock));
    return 0;
}

}  // namespace skyfolio
