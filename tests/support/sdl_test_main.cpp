#include <gtest/gtest.h>

#include <cstdlib>

// The SDL tests run headless: SDL gets its dummy video and audio drivers
// unless the run asks for others (the window test under Xvfb does).
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
