#include "shell_game.h"

#include "host/gdi/color.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using apptest::ShellOfItsOwn;
using apptest::WatchedGame;
using host::gdi::COLORREF;
using host::gdi::RGB;

// The strongest of a colour's three parts.
char dominant(COLORREF colour) {
    const int r = host::gdi::GetRValue(colour), g = host::gdi::GetGValue(colour),
              b = host::gdi::GetBValue(colour);
    if (r > g && r > b) return 'r';
    if (g > r && g > b) return 'g';
    if (b > r && b > g) return 'b';
    return '?';
}

class ReactionsOfItsOwn : public ShellOfItsOwn {};

TEST_F(ReactionsOfItsOwn, AReportLineGoesOverTheScreenOfTheMenuAndPausesByTheDisplaySpeed) {
    struct ReportCase {
        MenuKey menu;
        std::string visibleMSG;
        char screen; // the colour of the screen behind the box
        std::vector<double> waits;
    };
    const std::vector<ReportCase> cases = {
        {menu_key::kAcademy, "10", 'r', {200, 500}},       {menu_key::kAcademy, "1", 'r', {200, 140}},
        {menu_key::kAcademy, "20", 'r', {200, 900}},       {menu_key::kDuringLessons, "10", 'b', {200, 500}},
        {menu_key::kStudents, "10", 'r', {200}},           {menu_key::kTicketExchange, "10", 'g', {200}},
        {menu_key::kSchoolGrounds, "10", 'r', {200, 500}},
    };
    pictures.picSchool.hDC().bitmap().fill({0, 0, 800, 600}, RGB(220, 0, 0));
    pictures.picCity.hDC().bitmap().fill({0, 0, 800, 600}, RGB(0, 220, 0));
    pictures.picClassImage.hDC().bitmap().fill({0, 0, 800, 600}, RGB(0, 0, 220));
    for (const ReportCase& c : cases) {
        const std::string name = std::string(c.menu.name()) + " at " + c.visibleMSG;
        ownReport.GMSGReport.setVisible(false);
        cINI.Data("VisibleMSG", c.visibleMSG);
        Data().SetMenu(c.menu);
        std::vector<double> taken;
        waits().onWait = [&](double ms) { taken.push_back(ms); };
        reactions.mData_Report("報告");
        EXPECT_EQ(taken, c.waits) << name;
        const COLORREF behind = ownReport.GMSGReport.HDC()->bitmap().pixel(300, 20);
        EXPECT_EQ(dominant(behind), c.screen) << name;
        EXPECT_EQ(ownReport.GMSGReport.Text(), "報告") << name;
    }
}

TEST_F(ReactionsOfItsOwn, ANewYearOpensBothListsOnTheSchoolScreenAndLocksItAgain) {
    pictures.picSchool.setEnabled(false);
    std::vector<bool> enabledAtCall;
    screens.onCall = [&](const std::string&) { enabledAtCall.push_back(pictures.picSchool.Enabled()); };
    reactions.mData_NewYear();
    EXPECT_EQ(screens.calls, (std::vector<std::string>{"ShowNewStudentSelection", "ShowNewSponsorSelection",
                                                       "ShowSchoolMenu False"}));
    EXPECT_EQ(enabledAtCall, (std::vector<bool>{true, true, false}));
    EXPECT_FALSE(pictures.picSchool.Enabled());
}

TEST_F(ReactionsOfItsOwn, ALessonPictureFillsItsScreenInFrontAndStays) {
    host::gdi::DeviceContext lesson(800, 600);
    lesson.bitmap().fill({0, 0, 800, 600}, RGB(10, 120, 30));
    lesson.bitmap().fill({700, 500, 800, 600}, RGB(250, 250, 0));
    reactions.mData_ClassImage(lesson);
    EXPECT_EQ(pictures.picClassImage.hDC().bitmap().pixel(10, 10), RGB(10, 120, 30));
    EXPECT_EQ(pictures.picClassImage.hDC().bitmap().pixel(799, 599), RGB(250, 250, 0));
    EXPECT_EQ(form.children().back(), &pictures.picClassImage);
    EXPECT_EQ(waits().waits(), (std::vector<double>{400}));
}

TEST_F(ReactionsOfItsOwn, AGrownSchoolGetsItsNewClassroomPicture) {
    const std::string image = "タイトル";
    const auto& stored = Images().GetImageHDC(image).bitmap();
    reactions.mData_SchoolScaleUp(image);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{400, 300}, std::pair{799, 599}})
        EXPECT_EQ(pictures.picClass.hDC().bitmap().pixel(x, y), stored.pixel(x, y)) << x << "," << y;
}

// The real main form: what each of the facade's events leaves of the lock
// that a running command put on the school screen.
class ReactionsInTheGame : public WatchedGame {};

TEST_F(ReactionsInTheGame, TheCommandsEndsUnlockTheSchoolScreenAndTheDaysOwnEventsKeepItLocked) {
    struct LockCase {
        std::string event;
        std::function<void(clsData&)> raise;
        bool screenEnabled;
        bool processing;
        bool boxShown;
        MenuKey menu;
        std::vector<double> waits;
    };
    const std::vector<LockCase> cases = {
        {"ClassEnd",
         [](clsData& d) { d.ClassEnd.raise(); },
         true,
         false,
         false,
         menu_key::kSchoolGrounds,
         {500}},
        {"ForwordEnd", [](clsData& d) { d.ForwordEnd.raise(); }, true, false, true, menu_key::kTeachers, {}},
        {"DayEnd", [](clsData& d) { d.DayEnd.raise(); }, false, true, false, menu_key::kSchoolGrounds, {200}},
        {"DateChenge",
         [](clsData& d) {
             clsDateDetails date = d.GetDate();
             d.DateChenge.raise(date);
         },
         false,
         true,
         true,
         menu_key::kAcademy,
         {300}},
        {"StatusRefresh",
         [](clsData& d) { d.StatusRefresh.raise(); },
         false,
         true,
         true,
         menu_key::kTeachers,
         {}},
        // Each list waits for its action button, then for "はい".
        {"NewYear",
         [](clsData& d) { d.NewYear.raise(); },
         false,
         true,
         true,
         menu_key::kAcademy,
         {100, 100, 100, 100}},
    };
    FormContext& context = inside().context();
    for (const LockCase& c : cases) {
        report().ShowReport("報告", picSchool(), "picSchool", true, false, false);
        data().SetMenu(menu_key::kTeachers);
        picSchool().setEnabled(false);
        context.ProcessingFlag = true;
        std::vector<double> taken;
        waits().onWait = [&](double ms) {
            taken.push_back(ms);
            answerNewYearList();
        };
        c.raise(data());
        waits().onWait = {};
        EXPECT_EQ(picSchool().Enabled(), c.screenEnabled) << c.event;
        EXPECT_EQ(context.ProcessingFlag, c.processing) << c.event;
        EXPECT_EQ(box().Visible(), c.boxShown) << c.event;
        EXPECT_EQ(data().GetMenu(), c.menu) << c.event;
        EXPECT_EQ(taken, c.waits) << c.event;
    }
}

} // namespace
