#pragma once

#include "platform/write_result.h"

#include <string>

namespace skyfolio {

struct FileRead {
    std::string bytes;
    std::string error;  // empty when read, or when the file does not exist
};

// A missing file reads as empty without an error. Settings files are small;
// anything larger than `maxBytes` is not one of ours and is refused.
FileRead readWholeFile(const std::string& path, long long maxBytes = 16 * 1024 * 1024);

// Writes a temporary file beside `path`, syncs it and renames it over `path`.
WriteResult replaceFileAtomically(const std::string& path, const std::string& bytes);

bool fileExists(const std::string& path);

// The "file:" address of a local file, as a browser takes it.
std::string fileAddress(const std::string& path);

// Moves `from` over `to` in one step, replacing it.
bool renameOver(const std::string& from, const std::string& to);
bool removeFile(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool makeFolder(const std::string& path);

}  // namespace skyfolio
