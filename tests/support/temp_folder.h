#pragma once

#include <string>

namespace skyfolio::test {

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// The file without its lines that read exactly `line`, as an older file
// that never had them.
void removeLines(const std::string& path, const std::string& line);

}  // namespace skyfolio::test
