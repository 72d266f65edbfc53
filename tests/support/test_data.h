#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skyfolio::test {

// tests/data in the source tree.
std::string testDataPath(const std::string& relative);

// Every file under a folder of the copied corpus, sorted.
std::vector<std::string> corpusFiles(const std::string& folder);

// The corpus beside the checkout, which a plain clone does not have; empty
// when it is absent.
std::vector<std::string> sharedCorpusFiles(const std::string& folder);

// A BMP file's two headers (Windows 3) for `width` x `height` pixels of
// `bits` each, a negative height meaning top down, followed by `palette`;
// the `pixelBytes` of pixel data are left to the caller to add.
std::string bitmapHeaders(int32_t width, int32_t height, int bits, uint32_t pixelBytes, uint32_t compression = 0,
                          const std::string& palette = {});


}  // namespace skyfolio::test
