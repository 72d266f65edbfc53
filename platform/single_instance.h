#pragma once

#include <string>

namespace skyfolio {

// The rule that one instance of the program runs at a time, per user and per
// display. The claim is an advisory lock on a file, which the system drops
// when the holding process ends, however it ends: a crash leaves nothing
// that blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(const std::string& lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False while another process holds the claim.
    bool isFirst() const { return first_; }
    // Writes this process's id into the held lock file, for heldBy.
    void recordHolder() const;

private:
    int fd_ = -1;
    bool first_ = true;
};

// The lock file for this user on this display, in the user's runtime folder
// (or the system's temporary folder when there is none).
std::string singleInstanceLockPath();
// The idle watch's own, one per user and session: it runs beside the saver.
std::string watchLockPath();

// The process that holds the claim on `lockPath` and recorded itself there;
// 0 when none does.
int heldBy(const std::string& lockPath);

}  // namespace skyfolio
