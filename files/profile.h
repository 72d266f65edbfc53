#pragma once

#include "files/write_result.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace skyfolio {

// A private-profile ("INI") file held in memory and edited line by line.
//
// Reading follows the profile rules: section and key names match whatever
// their letter case, blanks around names and values are dropped, the first
// of duplicate keys wins, and a missing file, section or key reads as empty.
// Lines that are not understood are skipped when reading and kept when
// writing, so every line we do not touch stays byte for byte as it was.
class ProfileFile {
public:
    // Loads `path`; a missing or unreadable file behaves as an empty one.
    explicit ProfileFile(std::string path);

    const std::string& path() const { return path_; }

    std::string read(std::string_view section, std::string_view key) const;

    // Sets one value, adding the section and the key when missing. Refuses
    // names and values that cannot stand on one line of the file.
    WriteResult write(std::string_view section, std::string_view key, std::string_view value);

    // Removes every occurrence of the section with all its lines.
    void deleteSection(std::string_view section);

    // The section, emptied of every earlier occurrence, written anew at the
    // end of the file with these keys and values in order: what deleting it
    // and writing each value would give, at once for thousands of values (no
    // values, no section). Refuses as `write` does, and then changes nothing.
    WriteResult replaceSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries);

    // Replaces the file on disk atomically: a temporary file beside it is
    // written, synced and renamed over it. On failure the old file stays. A
    // new file is for its owner's eyes only (it holds the password); an
    // existing one keeps its mode.
    WriteResult save() const;

private:
    struct Line {
        std::string text;    // without its line ending
        std::string ending;  // "\r\n", "\n" or "" on a last line without one
    };

    // Index of the header line of the first section named `section`, or npos.
    size_t findSection(std::string_view section) const;
    // One past the last line of the section whose header is at `header`.
    size_t sectionEnd(size_t header) const;
    size_t findKey(size_t header, std::string_view key) const;
    void insertLine(size_t at, std::string text);
    std::string newLineEnding() const;
    // The line of each key of each section's first occurrence, made on the
    // first read after a change: the settings name thousands of pictures,
    // read one by one.
    const std::unordered_map<std::string, size_t>& keyLines() const;

    std::string path_;
    std::vector<Line> lines_;
    // An existing file we could not read must never be replaced by our
    // partial view of it.
    std::string unreadable_;
    mutable std::optional<std::unordered_map<std::string, size_t>> keyLines_;
};

// One-call forms for a single value.
std::string readProfileString(const std::string& path, std::string_view section, std::string_view key);
WriteResult writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                               std::string_view value);

}  // namespace skyfolio
