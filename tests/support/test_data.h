#pragma once

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


}  // namespace skyfolio::test
