#include "platform/watch_at_login.h"

#include "files/files.h"
#include "files/program_folder.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace skyfolio {
namespace {

constexpr std::string_view kWatchArgument = "--watch";

std::string configFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // XDG has a relative path there ignored.
    if (config && *config == '/') return config;
    return homeFolder() + "/.config";
}

// A word of an Exec line: plain, or quoted with its reserved characters
// escaped by a backslash; then, as in every value of the file, each
// backslash doubled.
std::string execWord(const std::string& word) {
    constexpr std::string_view kPlain = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/._+-";
    if (!word.empty() && word.find_first_not_of(kPlain) == std::string::npos) return word;
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '\\')
            quoted += "\\\\\\\\";
        else if (c == '"' || c == '`' || c == '$')
            quoted += std::string("\\\\") + c;
        else if (c == '%')
            quoted += "%%";
        else
            quoted += c;
    }
    return quoted + "\"";
}

std::string sameFile(const QString& path) { return QFileInfo(path).canonicalFilePath().toStdString(); }

}  // namespace

std::string autostartEntryPath() { return configFolder() + "/autostart/skyfolio-watch.desktop"; }

std::string autostartEntry(const std::string& program, const std::string& searchPath) {
    const QString onPath =
        QStandardPaths::findExecutable(QStringLiteral("skyfolio"), QString::fromStdString(searchPath).split(':'));
    // A portable copy is no command: the entry names where it lies.
    const std::string command = !onPath.isEmpty() && sameFile(onPath) == sameFile(QString::fromStdString(program))
                                    ? "skyfolio"
                                    : execWord(program);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Skyfolio idle watch\n"
           "Comment=Starts the Skyfolio screen saver when you are idle\n"
           "Exec=" + command + " " + std::string(kWatchArgument) + "\n"
           "Icon=skyfolio\n"
           "NoDisplay=true\n"
           "Terminal=false\n";
}

WriteResult writeAutostartEntry() {
    const std::string path = autostartEntryPath();
    const std::string folder = std::filesystem::path(path).parent_path();
    if (!makeFolder(folder)) return WriteResult::failure(systemError(folder));
    const char* searchPath = std::getenv("PATH");
    return replaceFileAtomically(
        path, autostartEntry(QCoreApplication::applicationFilePath().toStdString(), searchPath ? searchPath : ""));
}

WriteResult removeAutostartEntry() {
    const std::string path = autostartEntryPath();
    if (removeFile(path) || !fileExists(path)) return {};
    return WriteResult::failure(systemError(path));
}

void startIdleWatch() {
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {QString::fromUtf8(kWatchArgument)});
}

void endIdleWatch() {
    if (const int watch = heldBy(watchLockPath())) ::kill(watch, SIGTERM);
}

}  // namespace skyfolio
