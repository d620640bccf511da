#pragma once

#include "app/screens/school/school_game.h"
#include "app/shell/main_form_inside.h"

#include "state/save/save_managers.h"

#include "host/sys/clock.h"
#include "host/ui/input_event.h"
#include "host/ui/label.h"

#include <chrono>
#include <memory>
#include <string>

namespace settingtest {

// A wall clock that stands still, installed before the game starts, so the
// play time in the save strings does not move while a test compares them.
struct StoppedWallClock {
    host::runtime::ScopedInstall<host::sys::WallClock, host::sys::ManualWallClock> wallClock{
        host::sys::installedWallClock,
        std::make_unique<host::sys::ManualWallClock>(std::chrono::system_clock::from_time_t(1'700'000'000))};
};

// The real game on the school screen, with the settings and save/load
// screen played by mouse.
class SettingGame : private StoppedWallClock, public schooltest::SchoolGame {
  protected:
    static constexpr int kSaveButton = 0;
    static constexpr int kLoadButton = 1;
    static constexpr int kSettingButton = 2;

    ctrGraphicalGridVer2& slots() { return control<ctrGraphicalGridVer2>("GGSetting"); }
    host::ui::PictureBox& picSetting() { return control<host::ui::PictureBox>("picSetting"); }
    std::string body() { return control<host::ui::Label>("lblBody").Caption(); }
    std::string cell(std::int16_t row, std::int16_t col) { return slots().GetData(row, col); }
    SaveParts parts() { return getSaveParts(managers(data()).saveManagers()); }

    // Clicks the slot's row (slot row + 1 = slot number) in its number column.
    void clickSlot(std::int16_t row) {
        const auto [x, y] = rowPoint(slots(), row);
        driver.push(host::ui::InputEvent::move(x, y));
        driver.click(x, y);
        main->DoEvents();
    }
    // Saves to the slot from the school screen and returns to it.
    void saveTo(std::int16_t row) {
        click("GLSystem", kSaveButton);
        clickSlot(row);
        click("GLSettingSL");
        click("GLMSGExcute");
        click("GLSettingReturnSchool");
    }
    // Opens the load list from the school screen and confirms the slot.
    void loadFrom(std::int16_t row) {
        click("GLSystem", kLoadButton);
        clickSlot(row);
        click("GLSettingSL");
        click("GLMSGExcute");
    }
};

} // namespace settingtest
