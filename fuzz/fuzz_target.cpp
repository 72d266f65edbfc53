// One libFuzzer target: SKYFOLIO_FUZZ_CHECK names the check it runs.

#include "fuzz/fuzz_checks.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Qt finds its picture plugins through the application object.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!skyfolio::fuzz::SKYFOLIO_FUZZ_CHECK({data, size})) std::abort();
    return 0;
}
