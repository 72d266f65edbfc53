#include "saver/form_window.h"

#include "saver/form1.h"
#include "settings/conversions.h"

namespace skyfolio {
namespace {

constexpr double kPointerBeyondCorner = 10;

}  // namespace

PointerPlace PointerBeyondCorner(const Form1& form) {
    return {RoundInt32(form.ScaleWidth() + kPointerBeyondCorner), RoundInt32(form.ScaleHeight() + kPointerBeyondCorner)};
}

}  // namespace skyfolio
