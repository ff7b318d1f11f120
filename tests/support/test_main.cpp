// The main of every test program: tests run headless, silent, and away
// from the player's own per-user folder, whoever starts them.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("XDG_DATA_HOME", QUELLON_TEST_HOME, 1);
    // Tests that check shipped sources against the built data find them here.
    setenv("QUELLON_SOURCE_DIR", QUELLON_SOURCE_ROOT, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
