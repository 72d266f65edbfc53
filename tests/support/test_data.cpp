#include "tests/support/test_data.h"

#include <algorithm>
#include <filesystem>

namespace skyfolio::test {
namespace {

std::vector<std::string> filesUnder(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::string testDataPath(const std::string& relative) { return std::string(SKYFOLIO_TEST_DATA) + "/" + relative; }

std::vector<std::string> corpusFiles(const std::string& folder) { return filesUnder(testDataPath("corpus/" + folder)); }

std::vector<std::string> sharedCorpusFiles(const std::string& folder) {
    return filesUnder(std::string(SKYFOLIO_SHARED_CORPUS) + "/" + folder);
}

}  // namespace skyfolio::test
