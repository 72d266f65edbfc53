#include "platform/program_folder.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace skyfolio {
namespace {

std::optional<std::string>& overriddenFolder() {
    static std::optional<std::string> folder;
    return folder;
}

}  // namespace

std::string joinProgramPath(std::string_view folder, std::string_view relative) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    path += relative;
    return path;
}

std::string programFolder() {
    if (overriddenFolder()) return *overriddenFolder();
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error).string() : exe.parent_path().string();
}

void setProgramFolder(std::string folder) { overriddenFolder() = std::move(folder); }

std::string programPath(std::string_view relative) { return joinProgramPath(programFolder(), relative); }

}  // namespace skyfolio
