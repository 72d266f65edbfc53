#pragma once

#include <functional>

namespace skyfolio {

// When the watch starts and ends the saver, apart from how it hears of the
// user, the lock and the inhibitions: the saver starts when the user has
// been idle long enough, unless the desktop is locked, a program inhibits
// it or it runs already; a lock ends it. Each time a reason to wait goes
// away, the idle time counts afresh, as the desktops' own idle watches do
// after an inhibition.
class WatchRules {
public:
    struct Actions {
        std::function<void()> startSaver;
        std::function<void()> endSaver;
        std::function<void()> countAfresh;  // arms the idle source again, with the idle time of now
    };

    explicit WatchRules(Actions actions);

    void userIdle();
    void saverEnded();
    void lockChanged(bool locked);
    void inhibitionChanged(bool inhibited);

private:
    Actions actions_;
    bool saverRuns_ = false;
    bool locked_ = false;
    bool inhibited_ = false;
};

}  // namespace skyfolio
