#include "dialog/slider_mappings.h"

#include "settings/conversions.h"

namespace skyfolio {
namespace {

// Both mappings mirror the range, except that each end maps onto the other
// end itself rather than one step inside it.
int mirrored(int value, int low, int high) {
    if (value == high) return low;
    if (value == low) return high;
    return high - value;
}

constexpr int kSlowestTick = 200;
constexpr int kLeastSensitive = 15;

}  // namespace

int imageSpeedPosition(int milliseconds) { return mirrored(milliseconds, 1, kSlowestTick); }

std::string imageSpeedText(int position) { return DecimalText(mirrored(position, 1, kSlowestTick)); }

int mouseSensitivityPosition(int movements) { return mirrored(movements, 1, kLeastSensitive); }

std::string mouseSensitivityText(int position) { return DecimalText(mirrored(position, 1, kLeastSensitive)); }

}  // namespace skyfolio
