#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace skyfolio::fuzz {

// The input as a file of its own, for the parsers that read files by name;
// removed when it goes.
class ScratchFile {
public:
    ScratchFile(const std::string& name, std::span<const uint8_t> data);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    std::string bytes() const;

private:
    std::string folder_;
    std::string path_;
};

}  // namespace skyfolio::fuzz
