#include "startup/input_watch.h"

#include "settings/conversions.h"

#include <cmath>

namespace skyfolio {
namespace {

constexpr float kMovementThreshold = 3;
constexpr double kCountingWindowSeconds = 2;
constexpr double kSecondsPerDay = 24 * 60 * 60;
constexpr int kPasswordOn = 1;

// Seconds from `start` to `now`, both seconds of the day. A window opened
// before midnight still closes after it; a start rounded up to the next
// second is a hair in the future, not a day ago.
double secondsSince(int32_t start, double now) {
    const double elapsed = now - start;
    return elapsed < -kSecondsPerDay / 2 ? elapsed + kSecondsPerDay : elapsed;
}

}  // namespace

InputWatch::InputWatch(const SaverSettings& settings, SaverHost& host, FormWindow& window, const Clock& clock,
                       std::function<void()> showPasswordForm)
    : settings_(settings), host_(host), window_(window), clock_(clock),
      showPasswordForm_(std::move(showPasswordForm)) {}

void InputWatch::Form_MouseDown() { EndSaver(); }

void InputWatch::Form_KeyDown() { EndSaver(); }

void InputWatch::Form_MouseMove(float X, float Y) { filterMovement(X, Y, lastFormX, lastFormY); }

void InputWatch::FirstPicture_MouseMove(float X, float Y) { filterMovement(X, Y, lastPictureX, lastPictureY); }

void InputWatch::filterMovement(float X, float Y, int32_t& lastX, int32_t& lastY) {
    const float dx = std::fabs(X - static_cast<float>(lastX));
    const float dy = std::fabs(Y - static_cast<float>(lastY));
    if ((dx > kMovementThreshold || dy > kMovementThreshold) && lastX > 0 && lastY > 0) CountMouseMove();
    lastX = RoundInt32(X);
    lastY = RoundInt32(Y);
}

void InputWatch::CountMouseMove() {
    const double now = clock_.secondsSinceMidnight();
    // A window past its two seconds is closed before this movement counts:
    // a few nudges now and one an hour later are no reason to end.
    if (mouseWindowStart != 0 && secondsSince(mouseWindowStart, now) > kCountingWindowSeconds) {
        mouseWindowStart = 0;
        mouseMoveCount = 0;
    }
    mouseMoveCount = mouseMoveCount + 1;
    if (mouseWindowStart == 0) mouseWindowStart = RoundInt32(now);
    if (settings_.cfgMouseSensitivity == mouseMoveCount) EndSaver();
}

void InputWatch::EndSaver() {
    if (settings_.cfgPasswordOn != kPasswordOn) {
        host_.unloadForm();
        host_.endProgram();
        return;
    }
    window_.setInputEnabled(false);
    window_.placeWindow(false);
    showPasswordForm_();
}

}  // namespace skyfolio
