#include "fuzz/fuzz_checks.h"
#include "startup/xscreensaver_programs.h"

#include <string_view>

namespace skyfolio::fuzz {

bool xscreensaverPrograms(std::span<const uint8_t> data) {
    const std::string_view file(reinterpret_cast<const char*>(data.data()), data.size());
    const ProgramsListEdit edit = addToProgramsList(file, "skyfolio", "skyfolio --root");
    if (edit.outcome != ProgramsListEdit::Outcome::Added) return true;
    // The file with one piece inserted: what is not in the file's longest
    // common beginning with the result ends the result.
    const std::string_view text = edit.text;
    if (text.size() <= file.size()) return false;
    size_t same = 0;
    while (same < file.size() && file[same] == text[same]) ++same;
    if (!text.ends_with(file.substr(same))) return false;
    // Read again, the list holds it.
    return addToProgramsList(text, "skyfolio", "skyfolio --root").outcome ==
           ProgramsListEdit::Outcome::AlreadyListed;
}

}  // namespace skyfolio::fuzz
