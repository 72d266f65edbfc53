#include "startup/saver_screens.h"

#include "saver/form1.h"
#include "settings/conversions.h"

#include <algorithm>
#include <cmath>

namespace skyfolio {

PictureSize ScreenArea::devicePixels() const {
    return {int(std::lround(width * ratio)), int(std::lround(height * ratio))};
}

bool ScreenArea::overlaps(const ScreenArea& other) const {
    return x < other.x + other.width && other.x < x + width && y < other.y + other.height && other.y < y + height;
}

namespace {

// Just beyond Form1's far corner, in Form1's scale; the pointer stops at the
// screen's corner.
constexpr double kPointerBeyondCorner = 10;

bool samePlace(const ScreenArea& a, const ScreenArea& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height && a.ratio == b.ratio;
}

}  // namespace

SaverScreens::SaverScreens(MakeScreen make, MovePointer movePointer)
    : make_(std::move(make)), movePointer_(std::move(movePointer)) {}

void SaverScreens::follow(const std::vector<ScreenArea>& screens) {
    if (unloaded_) return;
    // A screen without a pixel has nothing to cover.
    const auto now = [&](const void* screen) -> const ScreenArea* {
        for (const ScreenArea& area : screens)
            if (area.screen == screen) return area.devicePixels().width > 0 && area.devicePixels().height > 0 ? &area : nullptr;
        return nullptr;
    };
    const void* primaryBefore = primary() ? primary()->area.screen : nullptr;
    std::erase_if(screens_, [&](const Covered& covered) { return !now(covered.area.screen); });

    for (const ScreenArea& area : screens) {
        if (now(area.screen) != &area) continue;
        const auto known = std::find_if(screens_.begin(), screens_.end(),
                                        [&](const Covered& covered) { return covered.area.screen == area.screen; });
        if (known != screens_.end()) {
            const bool moved = !samePlace(known->area, area);
            known->area = area;
            if (moved) known->saver->cover(area);
        } else {
            screens_.push_back({area, make_(area)});
            SaverScreen& added = *screens_.back().saver;
            // Held before it loads: a set-up that fails unloads it with the rest.
            added.load();
            if (!unloaded_ && shown_) {
                added.setInputEnabled(inputEnabled_);
                added.placeWindow(keptAbove(screens_.back()));
            }
        }
        if (unloaded_) return;
    }

    const Covered* primaryNow = primary();
    if (!shown_ || !primaryNow || primaryNow->area.screen == primaryBefore) return;
    // The keyboard and the prompt follow the primary screen.
    placeAll();
    if (inputEnabled_) primaryNow->saver->showForm(true);
}

void SaverScreens::unload() {
    unloaded_ = true;
    for (Covered& covered : screens_) covered.saver->unload();
}

void SaverScreens::showForm() {
    if (unloaded_) return;
    shown_ = true;
    const Covered* keyboard = primary();
    for (Covered& covered : screens_)
        if (&covered != keyboard) covered.saver->showForm(false);
    // Last, so that no other window takes the keyboard from it.
    if (keyboard) keyboard->saver->showForm(true);
}

// Form1 counts from its screen's corner in device pixels (or twips of them);
// the pointer moves over the desktop in logical pixels.
void SaverScreens::movePointerOutOfSight() {
    const Covered* on = primary();
    if (!on || unloaded_) return;
    const ScreenArea& area = on->area;
    const Form1& form = on->saver->form();
    const int beyondX = RoundInt32(form.ScaleWidth() + kPointerBeyondCorner);
    const int beyondY = RoundInt32(form.ScaleHeight() + kPointerBeyondCorner);
    const auto onScreen = [&](int place, int origin, int extent) {
        return int(std::clamp(origin + std::floor(place / area.ratio), double(origin), double(origin + extent - 1)));
    };
    movePointer_(onScreen(beyondX, area.x, area.width), onScreen(beyondY, area.y, area.height));
}

void SaverScreens::placeWindow(bool topmost) {
    topmost_ = topmost;
    if (!unloaded_) placeAll();
}

void SaverScreens::setInputEnabled(bool enabled) {
    inputEnabled_ = enabled;
    if (unloaded_) return;
    for (Covered& covered : screens_) covered.saver->setInputEnabled(enabled);
}

const SaverScreens::Covered* SaverScreens::primary() const {
    for (const Covered& covered : screens_)
        if (covered.area.primary) return &covered;
    return screens_.empty() ? nullptr : &screens_.front();
}

bool SaverScreens::keptAbove(const Covered& covered) const {
    const Covered* prompted = primary();
    return topmost_ || !prompted || !covered.area.overlaps(prompted->area);
}

void SaverScreens::placeAll() {
    for (Covered& covered : screens_) covered.saver->placeWindow(keptAbove(covered));
}

}  // namespace skyfolio
