#include "files/profile.h"

#include "files/ascii_text.h"
#include "files/files.h"

#include <algorithm>

namespace skyfolio {
namespace {

constexpr size_t npos = std::string::npos;

std::string_view trimBlanks(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool isComment(std::string_view trimmed) { return !trimmed.empty() && (trimmed[0] == ';' || trimmed[0] == '#'); }

// "[name]" gives name; anything else is not a header.
bool sectionName(std::string_view line, std::string_view& name) {
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t[0] != '[') return false;
    const size_t close = t.find(']');
    if (close == npos) return false;
    name = trimBlanks(t.substr(1, close - 1));
    return true;
}

// "key = value" gives both; comments and lines without "=" are not entries.
bool entry(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view t = trimBlanks(line);
    if (isComment(t)) return false;
    const size_t eq = t.find('=');
    if (eq == npos) return false;
    key = trimBlanks(t.substr(0, eq));
    value = trimBlanks(t.substr(eq + 1));
    return true;
}

bool fitsOnOneLine(std::string_view s) { return s.find_first_of("\r\n") == npos; }

// Refuses what `write` refuses, with its messages.
WriteResult checkEntry(std::string_view section, std::string_view key, std::string_view value) {
    if (!fitsOnOneLine(section) || !fitsOnOneLine(key) || !fitsOnOneLine(value))
        return WriteResult::failure("a line break cannot be stored in a settings value");
    if (trimBlanks(section).empty() || section.find(']') != npos || trimBlanks(key).empty() ||
        key.find('=') != npos)
        return WriteResult::failure("not a valid settings name: [" + std::string(section) + "] " + std::string(key));
    return {};
}

// Names match whatever their letter case: the index holds them lower case,
// the section's and the key's together.
std::string lowerCase(std::string_view s) {
    std::string lower(s);
    for (char& c : lower) c = asciiLower(c);
    return lower;
}

std::string indexName(std::string_view section, std::string_view key) {
    return lowerCase(section) + '\n' + lowerCase(key);
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    const FileRead file = readWholeFile(path_);
    if (!file.error.empty()) {
        unreadable_ = file.error;
        return;
    }
    std::string_view rest = file.bytes;
    while (!rest.empty()) {
        const size_t nl = rest.find('\n');
        std::string_view text = rest.substr(0, nl);
        const bool crlf = nl != npos && !text.empty() && text.back() == '\r';
        if (crlf) text.remove_suffix(1);
        lines_.push_back({std::string(text), nl == npos ? "" : crlf ? "\r\n" : "\n"});
        rest = nl == npos ? std::string_view() : rest.substr(nl + 1);
    }
}

size_t ProfileFile::findSection(std::string_view section) const {
    std::string_view name;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (sectionName(lines_[i].text, name) && sameIgnoringCase(name, section)) return i;
    return npos;
}

size_t ProfileFile::sectionEnd(size_t header) const {
    std::string_view name;
    size_t i = header + 1;
    while (i < lines_.size() && !sectionName(lines_[i].text, name)) ++i;
    return i;
}

size_t ProfileFile::findKey(size_t header, std::string_view key) const {
    std::string_view k, v;
    for (size_t i = header + 1, end = sectionEnd(header); i < end; ++i)
        if (entry(lines_[i].text, k, v) && sameIgnoringCase(k, key)) return i;
    return npos;
}

std::string ProfileFile::read(std::string_view section, std::string_view key) const {
    const auto found = keyLines().find(indexName(section, key));
    if (found == keyLines().end()) return {};
    std::string_view k, v;
    entry(lines_[found->second].text, k, v);
    return std::string(v);
}

const std::unordered_map<std::string, size_t>& ProfileFile::keyLines() const {
    if (keyLines_) return *keyLines_;
    keyLines_.emplace();
    std::unordered_map<std::string, bool> seen;  // sections, whether this is their first occurrence
    std::string section;
    bool first = false;
    std::string_view name, k, v;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (sectionName(lines_[i].text, name)) {
            section = lowerCase(name);
            first = seen.emplace(section, true).second;
        } else if (first && entry(lines_[i].text, k, v)) {
            keyLines_->emplace(section + '\n' + lowerCase(k), i);  // the first of duplicates wins
        }
    }
    return *keyLines_;
}

std::string ProfileFile::newLineEnding() const {
    for (const Line& line : lines_)
        if (!line.ending.empty()) return line.ending;
    return "\n";
}

void ProfileFile::insertLine(size_t at, std::string text) {
    // The line before may be the file's last one, without an ending of its own.
    if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = newLineEnding();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newLineEnding()});
}

WriteResult ProfileFile::write(std::string_view section, std::string_view key, std::string_view value) {
    if (WriteResult r = checkEntry(section, key, value); !r) return r;
    keyLines_.reset();
    std::string line = std::string(key) + "=" + std::string(value);
    size_t header = findSection(section);
    if (header == npos) {
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::move(line));
        return {};
    }
    if (const size_t at = findKey(header, key); at != npos) {
        lines_[at].text = std::move(line);
        return {};
    }
    // New keys go after the last non-blank line of the section.
    size_t at = sectionEnd(header);
    while (at > header + 1 && trimBlanks(lines_[at - 1].text).empty()) --at;
    insertLine(at, std::move(line));
    return {};
}

void ProfileFile::deleteSection(std::string_view section) {
    keyLines_.reset();
    for (size_t header = findSection(section); header != npos; header = findSection(section))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
}

WriteResult ProfileFile::replaceSection(std::string_view section,
                                       const std::vector<std::pair<std::string, std::string>>& entries) {
    for (const auto& [key, value] : entries)
        if (WriteResult r = checkEntry(section, key, value); !r) return r;
    deleteSection(section);
    if (entries.empty()) return {};
    insertLine(lines_.size(), "[" + std::string(section) + "]");
    for (const auto& [key, value] : entries) insertLine(lines_.size(), key + "=" + value);
    return {};
}

WriteResult ProfileFile::save() const {
    if (!unreadable_.empty()) return WriteResult::failure(unreadable_);
    std::string bytes;
    for (const Line& line : lines_) bytes += line.text + line.ending;
    return replaceFileAtomically(path_, bytes, NewFileAccess::OwnerOnly);
}

std::string readProfileString(const std::string& path, std::string_view section, std::string_view key) {
    return ProfileFile(path).read(section, key);
}

WriteResult writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                               std::string_view value) {
    ProfileFile file(path);
    if (WriteResult r = file.write(section, key, value); !r) return r;
    return file.save();
}

}  // namespace skyfolio
