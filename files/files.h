#pragma once

#include "files/write_result.h"

#include <string>

namespace skyfolio {

struct FileRead {
    std::string bytes;
    std::string error;  // empty when read, or when the file does not exist
};

// A missing file reads as empty without an error. Settings files are small;
// anything larger than `maxBytes` is not one of ours and is refused.
FileRead readWholeFile(const std::string& path, long long maxBytes = 16 * 1024 * 1024);

// Who may read a file that a replacement creates. A file that exists keeps
// its mode.
enum class NewFileAccess {
    Umask,      // as the user's umask allows, like any file the user makes
    OwnerOnly,  // 0600 whatever the umask: the file holds a secret
};

// Writes a temporary file beside `path`, syncs it, renames it over `path` and
// syncs the folder, so that `path` is the old file or the new one even after
// a crash or a power cut. Temporary files that a killed replacement of
// `path` left are removed first; nothing reads them. Those of replacements
// under way in other processes stay. A symbolic link is followed: the file
// it leads to is replaced, and the link stays.
WriteResult replaceFileAtomically(const std::string& path, const std::string& bytes,
                                  NewFileAccess access = NewFileAccess::Umask);

// Makes a file that does not exist yet and waits until its bytes are on the
// disk; a failure leaves no file. For a folder no one else sees yet, which
// needs no replacement in one step.
WriteResult writeNewFile(const std::string& path, const std::string& bytes,
                         NewFileAccess access = NewFileAccess::Umask);

bool fileExists(const std::string& path);

// "<path>: <what the failed system call's errno says>".
std::string systemError(const std::string& path);

// The "file:" address of a local file, as a browser takes it.
std::string fileAddress(const std::string& path);

// Moves `from` over `to` in one step, replacing it.
bool renameOver(const std::string& from, const std::string& to);
// Waits until the file's bytes, or the folder's entries, are on the disk.
bool syncToDisk(const std::string& path);
// Removes the files of `folder` whose names start with `prefix` and contain
// `marker` after it.
void removeFilesLike(const std::string& folder, const std::string& prefix, const std::string& marker);
bool removeFile(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool makeFolder(const std::string& path);

}  // namespace skyfolio
