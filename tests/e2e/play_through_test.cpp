// A game played through the real window by mouse, as a player would: a new
// game, the new year's lists, a week's timetable, days with lessons, a quest
// with a formed unit, a purchase in the town, a save; then the game quit,
// started again and the save loaded back. Each step's picture is kept in
// looks/screens/.
#include "e2e/game_window.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

using namespace e2e;
using namespace std::chrono_literals;

// Window points of the controls the play-through uses (client coordinates).
struct Point {
    int x;
    int y;
};
constexpr Point kNewGame{400, 412};
constexpr Point kContinue{400, 462};
constexpr Point kOpeningNo{545, 432};
constexpr Point kDialogYes{457, 432};
constexpr Point kSelectAll{660, 192};
// A list's row r is marked by a click on its check box.
Point listRow(int r) {
    return {33, 133 + 22 * r};
}
constexpr Point kListAction{660, 312};
constexpr Point kTimetable{175, 162};
constexpr Point kStudents{375, 162};
constexpr Point kTown{575, 262};
constexpr Point kTeach{225, 412};
constexpr Point kNextDay{425, 412};
constexpr Point kWeekend{225, 462};
constexpr Point kSave{50, 432};
constexpr Point kLoad{50, 467};
constexpr Point kBack{175, 572};
constexpr Point kCommitWeek{230, 572};
constexpr Point kQuests{375, 262};
constexpr Point kBackToMenu{175, 572};
constexpr Point kUnitDone{735, 332};
constexpr Point kItemShop{175, 162};
constexpr Point kFirstShopRow{150, 154};
constexpr Point kBuy{590, 312};
// The unit screen: member row r of its grid and the number button of place k.
Point unitMember(int r) {
    return {105, 93 + 22 * r};
}
Point unitPlace(int k) {
    return {317, 332 + 35 * k};
}
// The quantity slider's track, right of its thumb: one large step.
constexpr Point kSliderPage{300, 360};
constexpr Point kLeavePlace{175, 572};
constexpr Point kBackToSchool{175, 262};
constexpr Point kFirstSlot{33, 93};
constexpr Point kSaveLoadButton{695, 312};
constexpr Point kQuitGame{675, 572};

// The class screen's week view: slot s of the 40 and its copy button "C".
Point classSlot(int slot) {
    return {100 + 140 * (slot / 8) + 50, 100 + 30 * (slot % 8) + 12};
}
Point classSlotCopy(int slot) {
    return {100 + 140 * (slot / 8) + 115, 100 + 30 * (slot % 8) + 12};
}

// The status panel at the top of the school screen: date, money, points.
constexpr int kStatusHeight = 90;

// The school screen's main menu is back: its system buttons are drawn
// (blue) and no report box or dialog lies over it (their gold frame).
bool atSchoolMenu(const host::gdi::Bitmap& picture) {
    const host::gdi::COLORREF pixel = picture.pixel(30, 440);
    const int red = pixel & 0xFF, blue = (pixel >> 16) & 0xFF;
    const host::gdi::COLORREF gold = host::gdi::RGB(255, 215, 0);
    return blue > 130 && blue > red + 60 && picture.pixel(200, 300) != gold &&
           picture.pixel(599, 300) != gold;
}

// The windows the display shows now.
std::set<Window> visibleWindows() {
    std::set<Window> found;
    std::istringstream ids(run("xdotool search --onlyvisible '' 2>/dev/null"));
    for (unsigned long id; ids >> id;)
        found.insert(static_cast<Window>(id));
    return found;
}

bool sameRegion(const host::gdi::Bitmap& a, const host::gdi::Bitmap& b, int top, int height) {
    for (int y = top; y < top + height; ++y)
        if (!std::equal(a.row(y), a.row(y) + a.width(), b.row(y))) return false;
    return true;
}

class PlayThroughTest : public GameWindowFixture {
  protected:
    host::gdi::Bitmap click(Point at, const std::string& look) {
        host::gdi::Bitmap picture = clickAndWait(window_, at.x, at.y);
        writeLook("e2e_play_" + std::to_string(++step_) + "_" + look + ".png", picture);
        return picture;
    }
    // Clicks a day command and waits until its days have run and the main
    // menu is back (reports pause between lines, so a still picture alone
    // does not tell).
    host::gdi::Bitmap runDays(Point at, const std::string& look) {
        const host::gdi::Bitmap before = grab(window_);
        clickAt(window_, at.x, at.y);
        waitForChange(window_, before);
        const auto end = std::chrono::steady_clock::now() + 600s;
        host::gdi::Bitmap now = grab(window_);
        int menuLooks = 0;
        while (menuLooks < 8 && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(250ms);
            now = grab(window_);
            menuLooks = atSchoolMenu(now) ? menuLooks + 1 : 0;
        }
        EXPECT_TRUE(atSchoolMenu(now)) << look << ": the days did not end";
        writeLook("e2e_play_" + std::to_string(++step_) + "_" + look + ".png", now);
        return now;
    }
    host::gdi::Bitmap start() {
        window_ = waitForWindow();
        EXPECT_NE(window_, 0u);
        return waitForTitleButtons(window_);
    }

    Window window_ = 0;
    int step_ = 0;
};

TEST_F(PlayThroughTest, ANewGamePlayedSavedQuitAndLoadedBackShowsTheSameSchool) {
    std::optional<host::gdi::Bitmap> savedSchool, savedStudents;
    {
        GameProcess game(binary());
        start();
        ASSERT_NE(window_, 0u);
        click(kNewGame, "opening_question");
        click(kOpeningNo, "newcomers");
        click(kSelectAll, "newcomers_all");
        click(kListAction, "admission_question");
        click(kDialogYes, "sponsors");
        click(listRow(0), "sponsor_marked");
        click(listRow(1), "sponsors_marked");
        click(kListAction, "sponsor_question");
        const host::gdi::Bitmap school = runDays(kDialogYes, "school");

        // The week: the first slot copied onto the next, then committed.
        click(kTimetable, "class_week");
        dragAndWait(window_, classSlotCopy(0).x, classSlotCopy(0).y, classSlot(1).x, classSlot(1).y);
        writeLook("e2e_play_class_copy_question.png", grab(window_));
        click(kDialogYes, "class_copied");
        runDays(kCommitWeek, "class_committed");

        // April 1 is a Sunday: Monday's first period taught by hand, the
        // rest of the week and the next one by the day commands.
        runDays(kNextDay, "monday");
        runDays(kTeach, "lesson");
        runDays(kWeekend, "first_saturday");
        // A quest on Saturday: the first of the list, a unit of five formed
        // for it, carried out on Sunday.
        click(kQuests, "quests");
        click(listRow(0), "quest_chosen");
        click(kListAction, "quest_unit");
        for (int k = 0; k < 5; ++k) {
            click(unitMember(k), "unit_member_" + std::to_string(k + 1));
            click(unitPlace(k), "unit_place_" + std::to_string(k + 1));
        }
        click(kUnitDone, "quest_taken");
        const host::gdi::Bitmap beforeQuest = click(kBackToMenu, "quest_menu");
        const host::gdi::Bitmap afterQuest = runDays(kNextDay, "quest_done");
        EXPECT_FALSE(sameRegion(beforeQuest, afterQuest, 0, kStatusHeight))
            << "the quest's day shows in the status";
        runDays(kWeekend, "second_saturday");

        click(kTown, "town");
        click(kItemShop, "item_shop");
        click(kFirstShopRow, "shop_row");
        click(kBuy, "purchase_question");
        click(kSliderPage, "purchase_quantity");
        click(kDialogYes, "purchased");
        click(kLeavePlace, "town_again");
        const host::gdi::Bitmap back = click(kBackToSchool, "school_again");
        EXPECT_FALSE(sameRegion(school, back, 0, kStatusHeight))
            << "the days and the purchase show in the status";

        savedSchool = grab(window_);
        savedStudents = click(kStudents, "students");
        click(kBack, "school_menu");

        click(kSave, "save_list");
        click(kFirstSlot, "save_slot");
        click(kSaveLoadButton, "save_question");
        click(kDialogYes, "saved");
        const std::set<Window> before = visibleWindows();
        clickAt(window_, kQuitGame.x, kQuitGame.y);
        // The quit question is the system's yes/no box, a window of its own:
        // its right button says yes.
        const auto end = std::chrono::steady_clock::now() + 30s;
        Window box = 0;
        while (!box && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(200ms);
            for (Window shown : visibleWindows())
                if (!before.count(shown)) box = shown;
        }
        ASSERT_NE(box, 0u) << "no quit question";
        std::this_thread::sleep_for(500ms);
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, box, &attributes);
        clickAt(box, attributes.width - 63, attributes.height - 42);
        EXPECT_EQ(game.waitForExit(30s), 0);
    }

    GameProcess game(binary());
    start();
    ASSERT_NE(window_, 0u);
    click(kContinue, "load_list");
    click(kFirstSlot, "load_slot");
    click(kSaveLoadButton, "load_question");
    const host::gdi::Bitmap loaded = runDays(kDialogYes, "loaded");
    EXPECT_TRUE(sameRegion(*savedSchool, loaded, 0, kStatusHeight)) << "the loaded school's date and money";
    const host::gdi::Bitmap students = click(kStudents, "loaded_students");
    EXPECT_TRUE(sameRegion(*savedStudents, students, 100, 400)) << "the loaded school's students";
    closeWindow(window_);
    EXPECT_EQ(game.waitForExit(20s), 0);
}

} // namespace
