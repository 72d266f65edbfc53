#include "startup/add_to_xscreensaver.h"

#include "files/files.h"
#include "files/program_folder.h"
#include "startup/command_line.h"
#include "startup/xscreensaver_programs.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace skyfolio {
namespace {

constexpr std::string_view kProgram = "skyfolio";
// The daemon hands hacks their window; "--root" is how every hack's line reads.
constexpr std::string_view kCommand = "skyfolio --root";

void tellHowByHand(std::ostream& err, const std::string& path) {
    err << "To add Skyfolio yourself, put this line into the \"programs:\" list of " << path << ":\n\n    "
        << kCommand << " \\n\\\n";
}

}  // namespace

int AddToXscreensaver(const std::string& home, std::ostream& out, std::ostream& err) {
    const std::string path = joinProgramPath(home, ".xscreensaver");
    std::error_code error;
    // A link that leads nowhere is no file either; a linked file is changed
    // where it lies, as every replacement follows links.
    if (!std::filesystem::exists(path, error) && !error) {
        err << "There is no " << path << " yet. Run xscreensaver-settings once: it writes that file. Then run\n"
            << "skyfolio " << kAddToXscreensaver << " again.\n";
        tellHowByHand(err, path);
        return 1;
    }
    const FileRead read = error ? FileRead{{}, path + ": " + error.message()} : readWholeFile(path);
    if (!read.error.empty()) {
        err << read.error << '\n';
        return 1;
    }

    const ProgramsListEdit edit = addToProgramsList(read.bytes, kProgram, kCommand);
    switch (edit.outcome) {
        case ProgramsListEdit::Outcome::AlreadyListed:
            out << "Skyfolio is in the list of screen savers in " << path << " already; nothing was changed.\n";
            return 0;
        case ProgramsListEdit::Outcome::ListedButOff:
            out << "Skyfolio is in the list of screen savers in " << path << " already, but switched off: tick it\n"
                << "in xscreensaver-settings to use it. Nothing was changed.\n";
            return 0;
        case ProgramsListEdit::Outcome::Refused:
            err << path << " was left as it was: Skyfolio cannot read it, as " << edit.reason << ".\n";
            tellHowByHand(err, path);
            return 1;
        case ProgramsListEdit::Outcome::Added:
            break;
    }
    if (const WriteResult written = replaceFileAtomically(path, edit.text); !written) {
        err << path << " was left as it was: " << written.error << '\n';
        return 1;
    }
    out << "Added \"" << kCommand << "\" to the list of screen savers in " << path << ".\n"
        << "Choose Skyfolio in xscreensaver-settings.\n";
    return 0;
}

int AddToXscreensaver() { return AddToXscreensaver(homeFolder(), std::cout, std::cerr); }

}  // namespace skyfolio
