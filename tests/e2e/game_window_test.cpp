// The real game binary on an X display (run under xvfb-run): started from a
// fresh folder, its window looked at with Xlib, closed by the window
// manager's close message.
#include "host/gdi/bitmap.h"
#include "host/gdi/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Xlib's macros (None, Status, Bool) come after every header that uses the names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        ::pclose(pipe);
    }
    return out;
}

// The game's windows once their caption names the version (the window is
// made anew while the renderer starts, before the caption is set).
std::vector<Window> gameWindows() {
    std::vector<Window> found;
    std::istringstream ids(run("xdotool search --name '^Quorvel [0-9]' 2>/dev/null"));
    for (unsigned long id; ids >> id;)
        found.push_back(static_cast<Window>(id));
    return found;
}

bool samePicture(const host::gdi::Bitmap& a, const host::gdi::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (!std::equal(a.row(y), a.row(y) + a.width(), b.row(y))) return false;
    return true;
}

void writeLook(const std::string& name, const host::gdi::Bitmap& picture) {
    fs::create_directories("looks/screens");
    const auto png = host::gdi::EncodePng(picture);
    std::ofstream("looks/screens/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

class GameProcess {
  public:
    explicit GameProcess(const fs::path& binary) {
        const std::string path = binary.string();
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        EXPECT_EQ(::posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv, environ), 0);
    }
    ~GameProcess() {
        if (!ended_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    pid_t pid() const { return pid_; }
    // The exit status once the process ended within the time given.
    std::optional<int> waitForExit(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                ended_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(10ms);
        }
        return std::nullopt;
    }

  private:
    pid_t pid_ = 0;
    bool ended_ = false;
};

class GameWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        display_ = XOpenDisplay(nullptr);
        if (!display_) GTEST_SKIP() << "needs an X display (run through xvfb-run)";
        // A window that went away fails the request, not the test program.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::copy_file(QUORVEL_GAME_BINARY, binary());
        fs::create_directory_symlink(fs::path(QUORVEL_GAME_BINARY).parent_path() / "Data", folder_ / "Data");
    }
    void TearDown() override {
        if (display_) XCloseDisplay(display_);
        fs::remove_all(folder_);
    }
    fs::path binary() const { return folder_ / "quorvel"; }

    Window waitForWindow() {
        const auto end = std::chrono::steady_clock::now() + 20s;
        while (std::chrono::steady_clock::now() < end) {
            auto windows = gameWindows();
            if (!windows.empty()) return windows.front();
            std::this_thread::sleep_for(20ms);
        }
        return 0;
    }

    host::gdi::Bitmap grab(Window window) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window, &attributes);
        host::gdi::Bitmap bitmap(attributes.width, attributes.height);
        XImage* image =
            XGetImage(display_, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (!image) return bitmap;
        for (int y = 0; y < attributes.height; ++y)
            for (int x = 0; x < attributes.width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                bitmap.setPixel(x, y,
                                host::gdi::RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
            }
        XDestroyImage(image);
        return bitmap;
    }

    // The window once its picture stopped changing for a second: loading
    // moves the gauge all the time, the title stands still.
    // The window's first picture that differs from before (a click or key
    // was handled, however slow the machine), or the last one after a minute.
    host::gdi::Bitmap waitForChange(Window window, const host::gdi::Bitmap& before) {
        host::gdi::Bitmap now = grab(window);
        const auto end = std::chrono::steady_clock::now() + 60s;
        while (samePicture(now, before) && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(100ms);
            now = grab(window);
        }
        return now;
    }

    // The title once loading is over: its buttons are framed in gold.
    host::gdi::Bitmap waitForTitleButtons(Window window) {
        const host::gdi::COLORREF gold = host::gdi::RGB(255, 215, 0);
        host::gdi::Bitmap now = grab(window);
        const auto end = std::chrono::steady_clock::now() + 60s;
        while (now.pixel(330, 412) != gold && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(100ms);
            now = grab(window);
        }
        return waitForStillPicture(window);
    }

    // The window's picture once it has changed from before and then stayed the same.
    host::gdi::Bitmap waitForNewStillPicture(Window window, const host::gdi::Bitmap& before) {
        waitForChange(window, before);
        return waitForStillPicture(window);
    }

    host::gdi::Bitmap waitForStillPicture(Window window) {
        host::gdi::Bitmap last = grab(window);
        int still = 0;
        const auto end = std::chrono::steady_clock::now() + 30s;
        while (still < 4 && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(250ms);
            host::gdi::Bitmap now = grab(window);
            still = samePicture(now, last) ? still + 1 : 0;
            last = std::move(now);
        }
        return last;
    }

    void closeWindow(Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, window, False, NoEventMask, &event);
        XFlush(display_);
    }

    std::map<std::string, std::string> settings() const {
        std::map<std::string, std::string> keys;
        std::ifstream in(folder_ / "quorvel.ini");
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            auto equals = line.find('=');
            if (equals != std::string::npos) keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return keys;
    }

    Display* display_ = nullptr;
    const fs::path folder_ = fs::temp_directory_path() / ("quorvel-e2e-" + std::to_string(::getpid()));
};

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

// Clicks the window at a point of its client area.
void clickAt(Window window, int x, int y) {
    run("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
        std::to_string(y) + " click 1");
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
