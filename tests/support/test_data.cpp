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

std::string bitmapHeaders(int32_t width, int32_t height, int bits, uint32_t pixelBytes, uint32_t compression,
                          const std::string& palette) {
    constexpr uint32_t kHeadersBytes = 14 + 40;
    std::string h(kHeadersBytes, '\0');
    const auto put = [&](size_t at, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) h[at + size_t(i)] = char(value >> (8 * i) & 0xFF);
    };
    h[0] = 'B';
    h[1] = 'M';
    const uint32_t pixelsAt = kHeadersBytes + uint32_t(palette.size());
    put(2, pixelsAt + pixelBytes, 4);
    put(10, pixelsAt, 4);
    put(14, 40, 4);
    put(18, uint32_t(width), 4);
    put(22, uint32_t(height), 4);
    put(26, 1, 2);
    put(28, uint32_t(bits), 2);
    put(30, compression, 4);
    put(46, uint32_t(palette.size() / 4), 4);
    return h + palette;
}

}  // namespace skyfolio::test
