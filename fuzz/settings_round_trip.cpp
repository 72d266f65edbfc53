#include "fuzz/fuzz_checks.h"
#include "fuzz/scratch_file.h"
#include "platform/profile.h"
#include "settings/setting_keys.h"

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
    for (const std::string& line : linesOf(before)) {
        const std::string text = line.substr(0, line.find_first_of("\r\n"));
        const bool edited = text.find('=') != std::string::npos && text.find("mode") != std::string::npos;
        if (!edited && after.find(line) == std::string::npos) return false;
    }
    return true;
}

}  // namespace skyfolio::fuzz
