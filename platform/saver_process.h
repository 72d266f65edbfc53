#pragma once

#include <QProcess>

#include <functional>

namespace skyfolio {

// The saver as a process of its own: the program beside the watch with
// "/s", so that the saver the watch starts is the one the user starts by hand. Its end is
// heard from the process, not looked for.
class SaverProcess {
public:
    explicit SaverProcess(std::function<void()> ended);
    ~SaverProcess();

    void start();
    bool runs() const { return process_.state() != QProcess::NotRunning; }
    // SIGTERM, which the saver answers by ending at once.
    void end();

private:
    QProcess process_;
    std::function<void()> ended_;
};

}  // namespace skyfolio
