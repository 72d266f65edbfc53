#include "startup/xscreensaver_programs.h"

#include "files/ascii_text.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace skyfolio {
namespace {

constexpr std::string_view kKey = "programs";
constexpr size_t kNone = std::string_view::npos;
// Columns of the list as xscreensaver's settings program writes it: the
// backslash after the name, each command, the "\n" after it.
constexpr size_t kTab = 8;
constexpr size_t kHeaderEndColumn = 77;
constexpr size_t kCommandColumn = 32;
constexpr size_t kEntryEndColumn = 75;


std::string_view skipBlanks(std::string_view s) {
    while (!s.empty() && isAsciiBlank(s.front())) s.remove_prefix(1);
    return s;
}

// One setting: its physical lines joined, with where each character lies in the file.
struct LogicalLine {
    std::string text;
    std::vector<size_t> offsets;
    int number = 0;  // of its first physical line, counted from 1
};

std::vector<LogicalLine> logicalLines(std::string_view file) {
    std::vector<LogicalLine> lines;
    int number = 1;
    size_t pos = 0;
    while (pos < file.size()) {
        LogicalLine line;
        line.number = number;
        bool continues = false;
        do {
            size_t end = file.find('\n', pos);
            if (end == kNone) end = file.size();
            continues = end > pos && file[end - 1] == '\\';
            for (size_t i = pos; i < end - (continues ? 1 : 0); ++i) {
                line.text += file[i];
                line.offsets.push_back(i);
            }
            pos = end + 1;
            ++number;
        } while (continues && pos < file.size());
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::string> whyUnreadable(std::string_view file, const std::vector<LogicalLine>& lines) {
    if (file.find('\0') != kNone) return "it is not a text file";
    if (file.find('\r') != kNone) return "its lines end in CR LF, which xscreensaver does not write";
    for (const LogicalLine& line : lines) {
        const std::string_view text = skipBlanks(line.text);
        if (text.empty() || text.front() == '#' || text.front() == '!' || text.front() == ';') continue;
        if (text.find(':') == kNone) {
            constexpr size_t kShown = 40;
            return "line " + std::to_string(line.number) + " is neither a setting nor a comment: \"" +
                   std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...\"" : "\"");
        }
    }
    return std::nullopt;
}

// Where the value of the last "programs:" setting starts in `line.text`, if any.
const LogicalLine* lastProgramsSetting(const std::vector<LogicalLine>& lines, size_t& colon) {
    const LogicalLine* found = nullptr;
    for (const LogicalLine& line : lines) {
        const size_t start = line.text.size() - skipBlanks(line.text).size();
        const size_t at = line.text.find(':');
        if (at != kNone && sameIgnoringCase(std::string_view(line.text).substr(start, at - start), kKey)) {
            found = &line;
            colon = at;
        }
    }
    return found;
}

// The program an entry runs, as the last part of its command's first word.
struct EntryProgram {
    std::string_view name;
    bool on = true;
};

EntryProgram programOf(std::string_view entry) {
    EntryProgram result;
    entry = skipBlanks(entry);
    if (!entry.empty() && entry.front() == '-') {
        result.on = false;
        entry = skipBlanks(entry.substr(1));
    }
    size_t k = 0;
    while (k < entry.size() && entry[k] != ':' && entry[k] != '"' && !isAsciiBlank(entry[k])) ++k;
    if (k < entry.size() && entry[k] == ':') entry = skipBlanks(entry.substr(k + 1));
    if (!entry.empty() && entry.front() == '"') {
        const size_t close = entry.find('"', 1);
        entry = skipBlanks(close == kNone ? std::string_view() : entry.substr(close + 1));
    }
    size_t end = 0;
    while (end < entry.size() && !isAsciiBlank(entry[end])) ++end;
    const std::string_view word = entry.substr(0, end);
    const size_t slash = word.rfind('/');
    result.name = slash == kNone ? word : word.substr(slash + 1);
    return result;
}

// The list's entries as xscreensaver splits them, and the places an entry
// may go in: after the last "\n", or after the last entry when that one has
// no "\n" of its own.
struct ProgramsValue {
    std::vector<std::string> entries;
    size_t afterLastSeparator = kNone;
    size_t afterUnendedEntry = kNone;
};

ProgramsValue readValue(const LogicalLine& line, size_t colon) {
    ProgramsValue value;
    std::string entry;
    bool unended = false;
    for (size_t i = colon + 1; i < line.text.size(); ++i) {
        char c = line.text[i];
        if (c == '\\') {
            if (++i == line.text.size()) break;  // a lone backslash at the end stands for nothing
            c = line.text[i];
            if (c == 'n') {
                value.entries.push_back(std::move(entry));
                entry.clear();
                value.afterLastSeparator = line.offsets[i] + 1;
                unended = false;
                continue;
            }
            c = c == 't' ? '\t' : c == 'r' ? '\r' : c;
        }
        entry += c;
        if (!isAsciiBlank(c)) {
            unended = true;
            value.afterUnendedEntry = line.offsets[i] + 1;
        }
    }
    if (unended) {
        value.entries.push_back(std::move(entry));
    } else {
        value.afterUnendedEntry = kNone;
    }
    return value;
}

// Tabs, then blanks, from `column` to `target`, as xscreensaver's settings
// program pads its lines.
std::string padding(size_t column, size_t target) {
    std::string pad;
    for (size_t next = (column / kTab + 1) * kTab; next <= target / kTab * kTab; next += kTab) {
        pad += '\t';
        column = next;
    }
    pad.append(target - std::min(column, target), ' ');
    return pad;
}

std::string indented(std::string_view command) { return padding(0, kCommandColumn) + std::string(command); }

// An entry that more may follow: its "\n" at the column where that program
// puts it.
std::string entryLine(std::string_view command) {
    return indented(command) + padding(kCommandColumn + command.size(), kEntryEndColumn) + " \\n";
}

ProgramsListEdit added(std::string_view file, size_t at, std::string_view insertion) {
    std::string text(file.substr(0, at));
    text += insertion;
    text += file.substr(at);
    return {ProgramsListEdit::Outcome::Added, std::move(text), {}};
}

}  // namespace

ProgramsListEdit addToProgramsList(std::string_view file, std::string_view program, std::string_view command) {
    const std::vector<LogicalLine> lines = logicalLines(file);
    if (const std::optional<std::string> why = whyUnreadable(file, lines))
        return {ProgramsListEdit::Outcome::Refused, {}, *why};

    size_t colon = 0;
    const LogicalLine* setting = lastProgramsSetting(lines, colon);
    if (!setting) {
        const std::string_view lineEnd = !file.empty() && file.back() != '\n' ? "\n" : "";
        return added(file, file.size(),
                     std::string(lineEnd) + "\n" + std::string(kKey) + ":" + padding(kKey.size() + 1, kHeaderEndColumn) +
                         " \\\n" + entryLine(command) + "\\\n\n");
    }

    const ProgramsValue value = readValue(*setting, colon);
    bool listedButOff = false;
    for (const std::string& entry : value.entries) {
        const EntryProgram found = programOf(entry);
        if (found.name != program) continue;
        if (found.on) return {ProgramsListEdit::Outcome::AlreadyListed, {}, {}};
        listedButOff = true;
    }
    if (listedButOff) return {ProgramsListEdit::Outcome::ListedButOff, {}, {}};

    if (value.afterUnendedEntry != kNone)
        return added(file, value.afterUnendedEntry, " \\n\\\n" + indented(command));
    // After the last entry's "\n", or straight after the colon of an empty list.
    const size_t at = value.afterLastSeparator != kNone ? value.afterLastSeparator : setting->offsets[colon] + 1;
    return added(file, at, "\\\n" + entryLine(command));
}

}  // namespace skyfolio
