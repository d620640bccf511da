// A battle in a real window on an X display: the test runs under xvfb-run
// with SDL_VIDEODRIVER=x11 and saves what the window shows mid-battle.
#include "battleview/battle_screen.h"
#include "battleview/game_pictures.h"
#include "toolkit/toolkit_fixture.h"

#include "host/sdl/sdl_video_driver.h"
#include "platform/services/wait_time.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using battleview_test::Combatant;

struct Recorded : host::ui::HandlerErrorReporter {
    void report(const std::string& description) override { reports.push_back(description); }
    std::vector<std::string> reports;
};

// Silent sounds and draws, but waits that really pass and pump the window.
class WindowServices : public SilentServices {
  public:
    explicit WindowServices(host::ui::MessagePump& pump) : pump_(pump) {}
    std::function<void(double)> onWait;
    void WaitTime(double ms) override {
        SilentServices::WaitTime(ms);
        ::WaitTime(ms, host::sys::tickClock(), [this] { pump_.DoEvents(); });
        if (onWait) onWait(ms);
    }

  private:
    host::ui::MessagePump& pump_;
};

// What the window shows, read back from its surface.
host::gdi::Bitmap windowPixels(SDL_Window* window) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    host::gdi::Bitmap shot(surface->w, surface->h);
    SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels, surface->pitch,
                      SDL_PIXELFORMAT_XBGR8888, shot.row(0), surface->w * 4);
    return shot;
}

TEST(BattleWindow, ABattleRunsInARealWindow) {
    const char* video = std::getenv("SDL_VIDEODRIVER");
    if (!video || std::string(video) != "x11") GTEST_SKIP() << "needs an X display (run through xvfb-run)";

    host::sdl::SdlVideoDriver driver("quorvel_battle_window");
    host::ui::Form form;
    Recorded errors;
    host::ui::MessagePump pump(form, driver, errors);
    host::runtime::ScopedInstall<GameServices, WindowServices> services(
        installedServices, std::make_unique<WindowServices>(pump));
    battleview_test::ScopedImages images;
    clsBattle battle([&pump] { pump.DoEvents(); });
    battleview_test::BattleControls controls(form, battle);
    battleview_test::loadPictures({"剣士左", "槍兵左", "弓兵左", "騎兵左", "オーガ", "大会低", "剣左"},
                                  controls.picture.hDC());
    battle.SetEffectData("剣,False,False,1,3,saku00\r\nモンスター基本攻撃,True,False,1,8,hit02");
    Images().SetImage(controls.picture, "大会低");
    controls.copyBackground();
    clsBattleRegulation rules;
    rules.VisiblePhysical(true);
    battle.SetRegulation(rules);

    // The academy strikes at the third tick and the ogre falls.
    Combatant academy(
        {.name = "ミルトナ騎士団", .physical = 500, .offense = 300, .speed = 400, .energy = 300}, {},
        {{5, 3, "騎兵"}, {4, 2, "剣士"}, {4, 4, "剣士"}, {2, 1, "弓兵"}, {2, 5, "槍兵"}});
    auto ogre = Combatant::monster({.name = "オーガ", .physical = 200, .speed = 0}, 25);
    services->scriptDraws(std::vector<float>(100, 0.3f));
    host::gdi::Bitmap shot(1, 1);
    int frames = 0;
    services->onWait = [&](double ms) {
        if (ms == 150 && ++frames == 2) shot = windowPixels(driver.window());
    };
    const std::uint32_t start = host::sys::tickClock().milliseconds();
    battle.StartBattle(academy.unit, ogre->unit);
    // Three ticks, three frames of the sword and the messages' pauses took real time.
    EXPECT_GE(host::sys::tickClock().milliseconds() - start, 3 * 20 + 3 * 150u);
    EXPECT_EQ(battle.GetResult(), "ミルトナ騎士団の勝ち");
    EXPECT_FALSE(controls.picture.Visible());
    EXPECT_TRUE(errors.reports.empty());
    ASSERT_EQ(shot.width(), 800);
    toolkit_test::writeLook(shot, "battleview_battle_window.png");
    // The ogre stands on the window's right half.
    EXPECT_NE(shot.pixel(600, 400), shot.pixel(600, 150));
}

} // namespace
