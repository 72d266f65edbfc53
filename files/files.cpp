#include "files/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace skyfolio {

FileRead readWholeFile(const std::string& path, long long maxBytes) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly)) return {{}, path + ": " + file.errorString().toStdString()};
    if (file.size() > maxBytes) return {{}, path + ": the file is too large"};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, path + ": " + file.errorString().toStdString()};
    return {bytes.toStdString(), {}};
}

namespace {

// "r909izarav.ini.new-4711": ours, by the process that writes it.
constexpr std::string_view kPendingMarker = ".new-";

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Where the chain of symbolic links from `path` ends, or `path` when it is
// no link. A link is replaced where it leads, not by a plain file: a
// ~/.xscreensaver is often a link into a repository of dotfiles. A link
// that leads nowhere yet leads to the file to make, as `>` in a shell does.
std::string followLinks(const std::string& path, std::error_code& error) {
    // As many as the kernel follows before it gives up.
    constexpr int kMostLinks = 40;
    std::filesystem::path at = path;
    struct stat info {};
    for (int links = 0; ::lstat(at.c_str(), &info) == 0 && S_ISLNK(info.st_mode); ++links) {
        if (links == kMostLinks) error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
        const std::filesystem::path to = error ? std::filesystem::path() : std::filesystem::read_symlink(at, error);
        if (error) break;
        at = to.is_absolute() ? to : at.parent_path() / to;
    }
    return at.string();
}

void removeFilesWhere(const std::string& folder, const std::function<bool(const std::string& name)>& chosen) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (chosen(entry.path().filename().string())) std::filesystem::remove(entry.path(), error);
}

// A temporary of `file` whose writer ended before renaming it. One that a
// running process writes stays: several savers, one a screen, and a dialog
// may save at once. Our own is never left behind while we write it, so one
// with our process id is an earlier process's.
bool abandonedTemporaryOf(const std::string& file, const std::string& name) {
    const std::string prefix = file + std::string(kPendingMarker);
    if (!name.starts_with(prefix)) return false;
    const char* digits = name.data() + prefix.size();
    const char* end = name.data() + name.size();
    pid_t writer = 0;
    const auto [parsed, error] = std::from_chars(digits, end, writer);
    if (error != std::errc() || parsed != end || writer <= 0) return false;
    return writer == ::getpid() || (::kill(writer, 0) != 0 && errno == ESRCH);
}

bool writeAll(int fd, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

// The mode a new file is given outright, where it must not depend on the umask.
std::optional<mode_t> modeFor(NewFileAccess access) {
    return access == NewFileAccess::OwnerOnly ? std::optional<mode_t>(0600) : std::nullopt;
}

// Makes `path` anew with `bytes` on the disk: with `mode` set outright when
// given (a file that will be private is so while written), else as the
// umask allows. A failure, which names `shownAs`, leaves nothing behind.
WriteResult writeSyncedFile(const std::string& path, const std::string& bytes, std::optional<mode_t> mode,
                            const std::string& shownAs) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode ? 0600 : 0666);
    if (fd < 0) return WriteResult::failure(systemError(shownAs));
    bool ok = (!mode || ::fchmod(fd, *mode) == 0) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    std::string error = ok ? std::string() : systemError(shownAs);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = systemError(shownAs);
    }
    if (ok) return {};
    ::unlink(path.c_str());
    return WriteResult::failure(error);
}

}  // namespace

WriteResult replaceFileAtomically(const std::string& named, const std::string& bytes, NewFileAccess access) {
    std::error_code linkError;
    const std::string path = followLinks(named, linkError);
    if (linkError) return WriteResult::failure(named + ": " + linkError.message());
    removeFilesWhere(folderOf(path), [&](const std::string& name) { return abandonedTemporaryOf(nameOf(path), name); });
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    const std::optional<mode_t> mode = exists ? std::optional<mode_t>(old.st_mode & 07777) : modeFor(access);
    const std::string temporary = path + std::string(kPendingMarker) + std::to_string(::getpid());
    if (const WriteResult written = writeSyncedFile(temporary, bytes, mode, path); !written) return written;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string error = systemError(path);
        ::unlink(temporary.c_str());
        return WriteResult::failure(error);
    }
    syncToDisk(folderOf(path));
    return {};
}

WriteResult writeNewFile(const std::string& path, const std::string& bytes, NewFileAccess access) {
    return writeSyncedFile(path, bytes, modeFor(access), path);
}

std::string systemError(const std::string& path) { return path + ": " + std::strerror(errno); }

bool syncToDisk(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

void removeFilesLike(const std::string& folder, const std::string& prefix, const std::string& marker) {
    removeFilesWhere(folder, [&](const std::string& name) {
        return name.starts_with(prefix) && name.find(marker, prefix.size()) != std::string::npos;
    });
}

bool fileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

std::string fileAddress(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path)).toString(QUrl::FullyEncoded).toStdString();
}

bool renameOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool removeFile(const std::string& path) { return QFile::remove(QString::fromStdString(path)); }

bool makeFolder(const std::string& path) { return QDir().mkpath(QString::fromStdString(path)); }

}  // namespace skyfolio
