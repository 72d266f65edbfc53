#include "settings/idle_minutes.h"

#include "settings/conversions.h"
#include "settings/setting_keys.h"

namespace skyfolio {

int idleMinutesValue(const std::string& text) {
    try {
        if (const int32_t minutes = RoundInt32(text); minutes >= kFewestIdleMinutes && minutes <= kMostIdleMinutes)
            return minutes;
    } catch (const ConversionError&) {
    }
    return RoundInt32(keys::idleMinutes.installedValue);
}

}  // namespace skyfolio
