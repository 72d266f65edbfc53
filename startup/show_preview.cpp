#include "startup/show_preview.h"

#include "platform/x11/x11_preview.h"
#include "settings/conversions.h"
#include "startup/puzzle_form.h"

namespace skyfolio {
namespace {

constexpr size_t kSwitchAndSeparator = 3;

}  // namespace

std::optional<uint32_t> PreviewHandle(std::string_view argumentText) {
    if (argumentText.size() <= kSwitchAndSeparator) return std::nullopt;
    try {
        const int32_t handle = RoundInt32(NumberValue(argumentText.substr(kSwitchAndSeparator)));
        if (handle <= 0) return std::nullopt;
        return static_cast<uint32_t>(handle);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

int ShowPreview(std::string_view argumentText) {
    const PuzzleForm form;
    // Drawn in memory: nothing waits for the event queue.
    if (const std::optional<uint32_t> handle = PreviewHandle(argumentText))
        paintIntoX11Window(*handle, form.Picture1.topLeft(PuzzleForm::kPreviewBlock));
    return 0;
}

}  // namespace skyfolio
