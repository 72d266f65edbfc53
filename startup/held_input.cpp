#include "startup/held_input.h"

#include "imaging/units.h"
#include "saver/float_effect.h"
#include "saver/form1.h"
#include "startup/input_watch.h"

namespace skyfolio {

void HeldInput::arrive(const Event& event) {
    if (form_->holdsInput() || !waiting_.empty())
        waiting_.push_back(event);
    else
        handle(event);
}

void HeldInput::release() {
    if (form_->holdsInput() || waiting_.empty()) return;
    std::vector<Event> waited;
    waited.swap(waiting_);
    for (const Event& event : waited) handle(event);
}

void HeldInput::follow(const Form1& form) {
    form_ = &form;
    release();
}

// Over Float's picture the pointer is measured in the box's own pixels,
// elsewhere in the form's scale, across the whole desktop.
void HeldInput::handle(const Event& event) {
    switch (event.kind) {
    case Kind::Key:
        watch_.Form_KeyDown();
        return;
    case Kind::Button:
        watch_.Form_MouseDown();
        return;
    case Kind::Move: {
        const PointerPosition& at = event.at;
        const FloatEffect* floating = form_->familyInUse<FloatEffect>();
        const PixelRect area =
            floating && floating->FirstPicture.visible ? pixelsOf(floating->FirstPicture) : PixelRect{};
        if (at.x >= area.x && at.y >= area.y && at.x < area.x + area.width && at.y < area.y + area.height) {
            watch_.FirstPicture_MouseMove(at.x - area.x, at.y - area.y);
            return;
        }
        const float scale = form_->scaleInTwips ? kTwipsPerPixel : 1;
        watch_.Form_MouseMove(at.desktopX * scale, at.desktopY * scale);
        return;
    }
    }
}

}  // namespace skyfolio
