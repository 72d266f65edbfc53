#include "fuzz/scratch_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace skyfolio::fuzz {

ScratchFile::ScratchFile(const std::string& name, std::span<const uint8_t> data) {
    std::string pattern = (std::filesystem::temp_directory_path() / "skyfolio-fuzz-XXXXXX").string();
    // Without a folder of its own the input would be written to "/name".
    if (!mkdtemp(pattern.data())) std::abort();
    folder_ = pattern;
    path_ = folder_ + "/" + name;
    std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

ScratchFile::~ScratchFile() {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFile::bytes() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace skyfolio::fuzz
