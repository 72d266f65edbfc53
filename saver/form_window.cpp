#include "saver/form_window.h"

#include "saver/form1.h"
#include "settings/conversions.h"

namespace skyfolio {
namespace {

constexpr double kPointerBeyondCorner = 10;

}  // namespace

void MovePointerOutOfSight(const Form1& form, FormWindow& window) {
    window.setCursorPos(RoundInt32(form.ScaleWidth() + kPointerBeyondCorner),
                        RoundInt32(form.ScaleHeight() + kPointerBeyondCorner));
}

}  // namespace skyfolio
