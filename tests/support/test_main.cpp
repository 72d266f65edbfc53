#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Unit tests need no display; a developer may still pick another platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
