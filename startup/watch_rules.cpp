#include "startup/watch_rules.h"

namespace skyfolio {

WatchRules::WatchRules(Actions actions) : actions_(std::move(actions)) {}

void WatchRules::userIdle() {
    if (saverRuns_ || locked_ || inhibited_) return;
    saverRuns_ = true;
    actions_.startSaver();
}

void WatchRules::saverEnded() {
    saverRuns_ = false;
    actions_.countAfresh();
}

void WatchRules::lockChanged(bool locked) {
    if (locked == locked_) return;
    locked_ = locked;
    if (locked && saverRuns_) actions_.endSaver();
    if (!locked) actions_.countAfresh();
}

void WatchRules::inhibitionChanged(bool inhibited) {
    if (inhibited == inhibited_) return;
    inhibited_ = inhibited;
    if (!inhibited) actions_.countAfresh();
}

}  // namespace skyfolio
