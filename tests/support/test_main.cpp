#include <gtest/gtest.h>

#include <cstdlib>

// Fontconfig keeps a few allocations for the life of the process, and so
// does x265, the HEVC encoder libheif makes the tests' HEIC files with; the
// sanitized build's leak checker would report them at exit as ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libx265.so\n"; }

int main(int argc, char** argv) {
    // Unit tests need no display; a developer may still pick another platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
