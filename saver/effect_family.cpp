#include "saver/effect_family.h"

namespace skyfolio {

EffectFamily::EffectFamily(Form1& form, const SaverSettings& settings, const SaverSeams& seams)
    : form_(form),
      effect(form.effect),
      cfg_(settings),
      surface_(seams.surface),
      pictures_(seams.pictures),
      random_(seams.random),
      clock_(seams.clock) {}

}  // namespace skyfolio
