#pragma once

#include "settings/setting_texts.h"

#include <string>

namespace skyfolio {

// The dialog's working copy: every setting text, filled at load, rewritten by
// the handlers the moment a control changes and written out by the save.
struct WorkingCopy : SettingTexts {
    // Always the text of the confirmation field; the save compares it with
    // the password.
    std::string confirmText;
};

}  // namespace skyfolio
