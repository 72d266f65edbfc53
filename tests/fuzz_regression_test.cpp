// Every input that once broke a parser, and the seeds of the fuzzer, through
// the same checks the fuzzer runs.

#include "fuzz/fuzz_checks.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

TEST(FuzzRegressionTest, EveryKeptInputPassesItsCheck) {
    int replayed = 0;
    for (const fuzz::Target& target : fuzz::kTargets) {
        for (const std::string& file : test::corpusFiles("../fuzz/" + std::string(target.name))) {
            const std::string bytes = test::readFile(file);
            EXPECT_TRUE(target.check({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()})) << file;
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace skyfolio
