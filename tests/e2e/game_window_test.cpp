// The real game started from a fresh folder: its window, its title, its close.
#include "e2e/game_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace e2e;
using namespace std::chrono_literals;
using GameWindowTest = GameWindowFixture;

TEST_F(GameWindowTest, TheGameShowsTheTitleInAnEightHundredBySixHundredWindowAndClosesCleanly) {
    GameProcess game(binary());
    const Window window = waitForWindow();
    ASSERT_NE(window, 0u);
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, window, &attributes);
    EXPECT_EQ(attributes.width, 800);
    EXPECT_EQ(attributes.height, 600);
    EXPECT_EQ(run("xdotool getwindowname " + std::to_string(window)), "Quorvel 1.0.0\n");

    const host::gdi::Bitmap title = waitForTitleButtons(window);
    writeLook("e2e_title.png", title);
    // Both buttons are framed in gold on the title.
    const host::gdi::COLORREF gold = host::gdi::RGB(255, 215, 0);
    EXPECT_EQ(title.pixel(330, 412), gold);
    EXPECT_EQ(title.pixel(330, 462), gold);

    closeWindow(window);
    EXPECT_EQ(game.waitForExit(20s), 0);
    const auto written = settings();
    EXPECT_EQ(written.size(), 9u);
    for (const char* key : {"Left", "Top", "BGMVolume", "SEVolume", "BattleMSG", "VisibleMSG",
                            "BattleHiSpeed", "StockPriceReport", "Version"})
        EXPECT_TRUE(written.count(key)) << key;
}

TEST_F(GameWindowTest, ClosingTheWindowWhileTheDaysRunEndsTheGameOnceWithItsSettingsWritten) {
    GameProcess game(binary());
    const Window window = waitForWindow();
    ASSERT_NE(window, 0u);
    const host::gdi::Bitmap title = waitForTitleButtons(window);
    clickAt(window, 400, 412); // 始めから
    const host::gdi::Bitmap question = waitForNewStillPicture(window, title);
    clickAt(window, 545, 432); // いいえ: no opening
    host::gdi::Bitmap school = waitForNewStillPicture(window, question);
    ASSERT_FALSE(samePicture(title, school));
    // The newcomers, then the sponsors: each list's action button, then はい.
    for (const char* list : {"newcomers", "sponsors"}) {
        clickAt(window, 660, 312);
        const host::gdi::Bitmap asked = waitForNewStillPicture(window, school);
        ASSERT_FALSE(samePicture(asked, school)) << list;
        clickAt(window, 457, 432);
        school = waitForNewStillPicture(window, asked);
    }
    writeLook("e2e_school_main_menu.png", school);
    clickAt(window, 225, 462); // 週末へ: six days, each with its pauses
    std::this_thread::sleep_for(700ms);
    writeLook("e2e_days_running.png", grab(window));
    closeWindow(window);
    EXPECT_EQ(game.waitForExit(20s), 0);
    EXPECT_EQ(settings().size(), 9u);
}

TEST_F(GameWindowTest, ANewGameAsksForTheOpeningAndEnterTellsIt) {
    GameProcess game(binary());
    const Window window = waitForWindow();
    ASSERT_NE(window, 0u);
    const host::gdi::Bitmap title = waitForTitleButtons(window);
    clickAt(window, 400, 412); // 始めから
    const host::gdi::Bitmap question = waitForNewStillPicture(window, title);
    writeLook("e2e_opening_question.png", question);
    // The dialog's gold frame in the middle of the window.
    const host::gdi::COLORREF gold = host::gdi::RGB(255, 215, 0);
    EXPECT_EQ(question.pixel(200, 300), gold);
    EXPECT_EQ(question.pixel(599, 300), gold);

    run("xdotool windowfocus " + std::to_string(window) + " key Return");
    const host::gdi::Bitmap story = waitForChange(window, question);
    writeLook("e2e_opening_story.png", story);
    EXPECT_FALSE(samePicture(question, story));
    closeWindow(window);
    EXPECT_EQ(game.waitForExit(20s), 0);
}

// Whether the process holds a flock on a file of the temporary folder whose
// name starts with "quorvel-" (the start-up lock).
bool holdsStartupLock(pid_t pid) {
    std::ifstream locks("/proc/locks");
    std::vector<unsigned long> inodes;
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, owner, device;
        fields >> number >> kind >> mode >> access >> owner;
        if (kind != "FLOCK" || owner != std::to_string(pid)) continue;
        fields >> device;
        inodes.push_back(std::stoul(device.substr(device.rfind(':') + 1)));
    }
    for (const auto& entry : fs::directory_iterator(fs::temp_directory_path())) {
        if (entry.path().filename().string().rfind("quorvel-", 0) != 0) continue;
        struct stat info;
        if (::stat(entry.path().c_str(), &info) == 0)
            for (unsigned long inode : inodes)
                if (inode == info.st_ino) return true;
    }
    return false;
}

TEST_F(GameWindowTest, ASecondCopyStartedWhileTheFirstLoadsEndsWithoutAWindow) {
    GameProcess first(binary());
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (!holdsStartupLock(first.pid()) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(1ms);
    ASSERT_TRUE(holdsStartupLock(first.pid()));
    GameProcess second(binary());
    EXPECT_EQ(second.waitForExit(10s), 0);

    const Window window = waitForWindow();
    ASSERT_NE(window, 0u);
    waitForStillPicture(window);
    EXPECT_EQ(gameWindows().size(), 1u);
    closeWindow(window);
    EXPECT_EQ(first.waitForExit(20s), 0);
}

} // namespace
