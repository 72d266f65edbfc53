#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Fontconfig keeps a few allocations for the life of the process, and so
// does x265, the HEVC encoder libheif makes the tests' HEIC files with; the
// sanitized build's leak checker would report them at exit as ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libx265.so\n"; }

int main(int argc, char** argv) {
    // Unit tests need no display; a developer may still pick another platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A save writes the idle watch's autostart entry and starts or ends the
    // session's watch: here, those of a session of the tests' own.
    std::string session = (std::filesystem::temp_directory_path() / "skyfolio-tests-XXXXXX").string();
    if (!mkdtemp(session.data())) return 1;
    setenv("XDG_CONFIG_HOME", session.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", session.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    std::filesystem::remove_all(session);
    return failed;
}
