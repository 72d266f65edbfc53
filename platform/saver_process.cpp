#include "platform/saver_process.h"

#include <QCoreApplication>

namespace skyfolio {

SaverProcess::SaverProcess(std::function<void()> ended) : ended_(std::move(ended)) {
    // Its messages are the user's to read wherever the watch's go.
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.setInputChannelMode(QProcess::ForwardedInputChannel);
    QObject::connect(&process_, &QProcess::finished, [this] { ended_(); });
    QObject::connect(&process_, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) ended_();
    });
}

SaverProcess::~SaverProcess() {
    QObject::disconnect(&process_, nullptr, nullptr, nullptr);
    if (!runs()) return;
    // A watch that ends takes its saver with it, never leaves it orphaned
    // behind a lock it did not see.
    process_.terminate();
    process_.waitForFinished(1000);
}

// The watch is a program of its own beside "skyfolio".
void SaverProcess::start() {
    process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/skyfolio"), {QStringLiteral("/s")});
}

void SaverProcess::end() {
    if (runs()) process_.terminate();
}

}  // namespace skyfolio
