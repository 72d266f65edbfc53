#include "startup/held_input.h"

#include "imaging/units.h"
#include "saver/form1.h"
#include "startup/input_watch.h"

namespace skyfolio {

void HeldInput::arrive(const Event& event) {
    if (form_.holdsInput() || !waiting_.empty())
        waiting_.push_back(event);
    else
        handle(event);
}

void HeldInput::release() {
    if (form_.holdsInput() || waiting_.empty()) return;
    std::vector<Event> waited;
    waited.swap(waiting_);
    for (const Event& event : waited) handle(event);
}

// Over Float's picture the pointer is measured in the box's own pixels,
// elsewhere in the form's scale.
void HeldInput::handle(const Event& event) {
    switch (event.kind) {
    case Kind::Key:
        watch_.Form_KeyDown();
        return;
    case Kind::Button:
        watch_.Form_MouseDown();
        return;
    case Kind::Move: {
        const FloatBox& box = form_.FirstPicture;
        const PixelRect area = box.visible ? pixelsOf(box) : PixelRect{};
        if (event.x >= area.x && event.y >= area.y && event.x < area.x + area.width && event.y < area.y + area.height) {
            watch_.FirstPicture_MouseMove(event.x - area.x, event.y - area.y);
            return;
        }
        const float scale = form_.scaleInTwips ? kTwipsPerPixel : 1;
        watch_.Form_MouseMove(event.x * scale, event.y * scale);
        return;
    }
    }
}

}  // namespace skyfolio
