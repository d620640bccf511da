#pragma once

#include "app/screens/school/school_game.h"
#include "support/facade_managers.h"

#include "app/screens/ability_names.h"
#include "state/menu_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace classtest {

enum PickerKind { kLesson = 0, kTeacher = 1, kItem = 2 };
enum SettingButton { kApply = 3 };
enum SlotCommand { kSlotCancel = 0, kSlotDecide = 1 };
enum ExitButton { kWeekCancel = 0, kWeekCommit = 1 };
enum GridButton { kMarkAll = 0, kInvert = 1, kMarkEmpty = 2, kClearMarked = 3 };

inline const std::string kWhole = "全体授業";
inline const std::string kIndividual = "個別授業";
inline const std::string kNoLesson = "休講";
inline const std::string kNotAllowed = "未許可";

// A school of six students on the school screen's main menu, on the morning
// of May 1 (a Sunday, the first day of the month); the player works the
// class screen by clicks.
class ClassGame : public schooltest::SchoolGame {
  protected:
    ClassGame() {
        for (const std::string& name : students)
            enrol(name);
        startDay(5, 1);
    }

    // The morning of that day in year 25.
    void startDay(int month, int day) {
        const int previousMonth = day == 1 ? (month == 1 ? 12 : month - 1) : month;
        const int previousDay = day == 1 ? 28 : day - 1;
        data().SetDate("25:" + std::to_string(previousMonth) + ":" + std::to_string(previousDay));
        managers(data()).system().DateCount();
        main->RefreshStatusView();
        main->ShowSchoolMenu(false);
    }

    host::ui::PictureBox& picClass() { return control<host::ui::PictureBox>("picClass"); }
    host::ui::PictureBox& picMSG() { return control<host::ui::PictureBox>("picMSG"); }
    ctrGraphicalGridVer2& list() { return control<ctrGraphicalGridVer2>("GGClass"); }
    ctrGraphicalGridVer2& pickGrid() { return control<ctrGraphicalGridVer2>("GGMSG"); }
    ctrGraphicalLabelLite& slot(int s) { return button("GLClass", s); }
    std::string tip() { return control<ctrGraphicalMSG>("GMSGClass").Text(); }
    std::string dialogText() { return control<host::ui::Label>("lblBody").Caption(); }
    std::string reportText() { return control<ctrGraphicalMSG>("GMSGReport").Text(); }
    // The last front-most visible screen picture of the form.
    std::string front() {
        const auto& children = main->form().children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if ((*it)->Visible()) return (*it)->Name();
        return "";
    }

    void openTimetable() { click("GLSchool", 0); }
    void rightClick(const std::string& name, int index) {
        host::ui::Control& target = control(name, index);
        const host::gdi::Point at = target.originInForm();
        driver.click(at.x + target.Width() / 2, at.y + target.Height() / 2, host::ui::vbRightButton);
        main->DoEvents();
    }
    // Right-clicks the slot until its caption reads the lesson type.
    void setType(int s, const std::string& caption) {
        for (int i = 0; i < 3 && slot(s).Text() != caption; ++i)
            rightClick("GLClass", s);
        ASSERT_EQ(slot(s).Text(), caption) << "slot " << s;
    }
    // Drags a control onto another as the player does: press, move, release.
    void drag(const std::string& name, int index, const std::string& ontoName, int ontoIndex) {
        host::ui::Control& from = control(name, index);
        host::ui::Control& onto = control(ontoName, ontoIndex);
        const host::gdi::Point a = from.originInForm();
        const host::gdi::Point b = onto.originInForm();
        const int x0 = a.x + from.Width() / 2;
        const int y0 = a.y + from.Height() / 2;
        const int x1 = b.x + onto.Width() / 2;
        const int y1 = b.y + onto.Height() / 2;
        driver.push(host::ui::InputEvent::move(x0, y0));
        driver.push(host::ui::InputEvent::down(host::ui::vbLeftButton, x0, y0));
        driver.push(host::ui::InputEvent::move(x1, y1));
        driver.push(host::ui::InputEvent::up(host::ui::vbLeftButton, x1, y1));
        main->DoEvents();
    }
    // Clicks a data row of a grid where the player sees it.
    void clickRow(ctrGraphicalGridVer2& grid, int row) {
        ASSERT_LT(row - grid.TopRow() + grid.HeaderRows(), grid.ShownSlots()) << "row " << row << " is shown";
        const host::gdi::Point at = grid.originInForm();
        const int height = grid.RowHeight();
        const int x = at.x + 40;
        const int y = at.y + (row - grid.TopRow() + grid.HeaderRows()) * height + height / 2;
        // The pointer travels there first: the button it leaves lets go of it.
        driver.push(host::ui::InputEvent::move(x, y));
        driver.click(x, y);
        main->DoEvents();
    }
    int rowOf(ctrGraphicalGridVer2& grid, const std::string& name) {
        for (int r = 0; r <= grid.Rows(); ++r)
            if (grid.GetData(static_cast<std::int16_t>(r), 1) == name) return r;
        return -1;
    }

    // Opens the picker and picks its row; answers the name picked.
    std::string pick(int kind, int row = 0) {
        click("GLClassSetting", kind);
        EXPECT_TRUE(picMSG().Visible());
        EXPECT_TRUE(pickGrid().Visible()) << "something to pick, kind " << kind;
        if (!pickGrid().Visible()) return "";
        const std::string name = pickGrid().GetData(static_cast<std::int16_t>(row), 1);
        clickRow(pickGrid(), row);
        click("GLMSGExcute");
        return name;
    }
    // Marks exactly these students of the open slot's list.
    void mark(const std::vector<std::string>& names) {
        for (int r = 0; r <= list().Rows(); ++r) {
            const std::string name = list().GetData(static_cast<std::int16_t>(r), 1);
            const bool wanted = std::find(names.begin(), names.end(), name) != names.end();
            if (list().Checked(static_cast<std::int16_t>(r)) != wanted) clickRow(list(), r);
        }
    }
    struct Group {
        std::string lesson;
        std::string teacher;
        std::string item;
    };
    // One group of the open slot: marks, picks lesson and teacher by their
    // rows, and applies them.
    Group setGroup(const std::vector<std::string>& names, int lessonRow = 0, int teacherRow = 0) {
        if (!names.empty()) mark(names);
        Group group;
        group.lesson = pick(kLesson, lessonRow);
        group.teacher = pick(kTeacher, teacherRow);
        EXPECT_TRUE(button("GLClassSetting", kApply).Enable());
        click("GLClassSetting", kApply);
        return group;
    }
    // What the facade holds for a student's slot.
    std::string lessonOf(const std::string& name, int s) {
        return data().GetSchedule(name, static_cast<std::int16_t>(s))->ClassName();
    }

    const std::vector<std::string> students = {"アデル", "ブルーノ", "セシル",
                                               "ダリア", "エミール", "フィオナ"};
};

} // namespace classtest
