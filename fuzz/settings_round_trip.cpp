#include "files/profile.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/scratch_file.h"
#include "settings/setting_keys.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace skyfolio::fuzz {
namespace {

struct Value {
    std::string section;
    std::string key;
};

std::vector<Value> valuesToCompare() {
    std::vector<Value> values;
    for (const SettingKey* key : kSettingKeysInFileOrder) values.push_back({std::string(key->section), std::string(key->key)});
    for (const char* image : {"0", "1", "2"}) values.push_back({"images", image});
    return values;
}

// The lines of a file, each with its ending.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find('\n', start);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, next - start));
        start = next;
    }
    return lines;
}

// A line that sets "mode", in whatever letter case and with whatever blanks:
// the one the edit may replace.
bool isModeEntry(const std::string& line) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    std::string key;
    for (char c : line.substr(0, equals))
        if (!std::strchr(" \t\r\v\f", c)) key += char(std::tolower(static_cast<unsigned char>(c)));
    return key == "mode";
}

}  // namespace

bool settingsRoundTrip(std::span<const uint8_t> data) {
    const ScratchFile file("settings", data);
    const std::string before = file.bytes();
    const std::vector<Value> values = valuesToCompare();
    std::vector<std::string> first;
    ProfileFile profile(file.path());
    for (const Value& v : values) first.push_back(profile.read(v.section, v.key));

    if (!profile.write("saver", "mode", "3") || !profile.save()) return true;  // refused whole: nothing to compare
    const ProfileFile again(file.path());
    for (size_t i = 0; i < values.size(); ++i) {
        const std::string expected = values[i].section == "saver" && values[i].key == "mode" ? "3" : first[i];
        if (again.read(values[i].section, values[i].key) != expected) return false;
    }
    // Every line but the edited one is still there as it was.
    const std::string after = file.bytes();
    for (const std::string& line : linesOf(before))
        if (!isModeEntry(line) && after.find(line) == std::string::npos) return false;
    return true;
}

}  // namespace skyfolio::fuzz
