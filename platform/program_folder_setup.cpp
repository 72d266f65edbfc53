#include "platform/program_folder_setup.h"

#include "files/files.h"
#include "files/program_file_names.h"
#include "settings/line_break.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace skyfolio {
namespace {

namespace fs = std::filesystem;

// Missing folders above the program folder, made private as the
// base-directory rules ask of $XDG_DATA_HOME.
std::optional<std::string> makeParents(const fs::path& folder) {
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path p = folder.parent_path(); !p.empty() && !fs::exists(p, error); p = p.parent_path()) {
        missing.push_back(p);
        if (p == p.parent_path()) break;
    }
    for (auto p = missing.rbegin(); p != missing.rend(); ++p)
        if (::mkdir(p->c_str(), 0700) != 0 && errno != EEXIST) return systemError(p->string());
    return std::nullopt;
}

struct TemplateFile {
    std::string name;
    NewFileAccess access;
};

std::vector<TemplateFile> templateFiles() {
    // The settings file holds the password.
    std::vector<TemplateFile> files{{std::string(kSettingsFileName), NewFileAccess::OwnerOnly}};
    for (size_t i = 0; i < std::size(kSamplePictures); ++i) {
        files.push_back({std::string(kSamplePictures[i]), NewFileAccess::Umask});
        files.push_back({cacheFileName(std::to_string(i)), NewFileAccess::Umask});
    }
    return files;
}

std::optional<std::string> copyTemplate(const std::string& from, const std::string& to) {
    if (!makeFolder(joinProgramPath(to, kCacheFolderName))) return to + ": the cache folder cannot be created";
    for (const TemplateFile& file : templateFiles()) {
        const std::string source = joinProgramPath(from, file.name);
        if (!fileExists(source)) return source + ": missing; Skyfolio is not completely installed";
        const FileRead read = readWholeFile(source);
        if (!read.error.empty()) return read.error;
        // Written straight: the folder is private until it is renamed into place.
        if (const WriteResult written = writeNewFile(joinProgramPath(to, file.name), read.bytes, file.access); !written)
            return written.error;
    }
    syncToDisk(joinProgramPath(to, kCacheFolderName));
    syncToDisk(to);
    return std::nullopt;
}

// Built whole under a temporary name beside the place, then renamed there in
// one step. A folder that another process put there first stays: renaming a
// folder never replaces one that has files in it.
std::optional<std::string> makeFromTemplate(const fs::path& folder, const std::string& packageFolder) {
    if (auto failed = makeParents(folder)) return failed;
    std::string building = (folder.parent_path() / ("." + folder.filename().string() + ".new-XXXXXX")).string();
    if (!::mkdtemp(building.data())) return systemError(folder.parent_path().string());

    std::optional<std::string> failed = copyTemplate(packageFolder, building);
    if (!failed && ::rename(building.c_str(), folder.c_str()) != 0 && errno != ENOTEMPTY && errno != EEXIST)
        failed = systemError(folder.string());
    std::error_code ignored;
    fs::remove_all(building, ignored);  // nothing left after a rename that took
    if (!failed) syncToDisk(folder.parent_path().string());
    return failed;
}

// Nothing when the folder is there or has just been made; otherwise why not.
std::optional<std::string> ensureFolder(const ProgramFolders& folders) {
    if (folders.program.empty()) return "neither XDG_DATA_HOME nor HOME names a folder";
    struct stat info {};
    if (::stat(folders.program.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? std::nullopt : std::optional(folders.program + ": not a folder");
    if (errno != ENOENT) return systemError(folders.program);
    return makeFromTemplate(folders.program, folders.package);
}

}  // namespace

std::optional<std::string> prepareProgramFolder(const ProgramFolders& folders) {
    if (!folders.perUser) return std::nullopt;
    const std::optional<std::string> why = ensureFolder(folders);
    if (!why) return std::nullopt;
    const std::string folder = folders.program.empty() ? "a folder of your own" : folders.program;
    return "Skyfolio keeps your settings and pictures in " + folder + ", but that folder could not be created:" +
           std::string(kLineBreak) + *why;
}

std::optional<std::string> prepareProgramFolder() { return prepareProgramFolder(programFolders()); }

}  // namespace skyfolio
