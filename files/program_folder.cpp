#include "files/program_folder.h"

#include "files/program_file_names.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace skyfolio {
namespace {

std::optional<ProgramFolders>& overriddenFolders() {
    static std::optional<ProgramFolders> folders;
    return folders;
}

std::string executableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error).string() : exe.parent_path().string();
}

bool holdsSettingsFile(const std::string& folder) {
    std::error_code error;
    return std::filesystem::is_regular_file(joinProgramPath(folder, kSettingsFileName), error);
}

}  // namespace

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

std::string joinProgramPath(std::string_view folder, std::string_view relative) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    path += relative;
    return path;
}

ProgramFolders locateProgramFolders(const std::string& executableFolder, const char* dataHome, const char* home) {
    if (holdsSettingsFile(executableFolder)) return {executableFolder, executableFolder, false};

    // A relative $XDG_DATA_HOME is to be ignored, as the base-directory rules say.
    const std::string data = dataHome && dataHome[0] == '/' ? std::string(dataHome)
                             : home && *home                ? joinProgramPath(home, ".local/share")
                                                            : std::string();
    const std::string program = data.empty() ? std::string() : joinProgramPath(data, "skyfolio");

    std::string package = SKYFOLIO_PACKAGE_FOLDER;
    const std::string staged = joinProgramPath(executableFolder, SKYFOLIO_PACKAGE_FROM_PROGRAM);
    if (holdsSettingsFile(staged)) package = std::filesystem::path(staged).lexically_normal().string();
    return {program, package, true};
}

const ProgramFolders& programFolders() {
    if (overriddenFolders()) return *overriddenFolders();
    static const ProgramFolders located =
        locateProgramFolders(executableFolder(), std::getenv("XDG_DATA_HOME"), homeFolder().c_str());
    return located;
}

std::string programFolder() { return programFolders().program; }

void setProgramFolder(std::string folder) { overriddenFolders() = ProgramFolders{folder, folder, false}; }

std::string programPath(std::string_view relative) { return joinProgramPath(programFolder(), relative); }

}  // namespace skyfolio
