#pragma once

#include "../school/school_game.h"
#include "app/shell/main_form_inside.h"

#include "app/screens/unit/unit_slots.h"
#include "students/student/cls_student.h"

#include "host/ui/input_event.h"

#include <array>
#include <string>
#include <vector>

namespace unittest {

// The formation every opening starts on, and another with its positions
// elsewhere on the panel.
inline constexpr const char* kFirstLine = "突破陣";
// A battle item that raises the unit's physical strength.
inline constexpr const char* kItem = "命の首飾り";
inline constexpr const char* kQuest = "スライム退治";

// The real game on the school screen with six students enrolled, and the
// unit formation screen played by mouse.
class UnitGame : public schooltest::SchoolGame {
  protected:
    static constexpr std::array<const char*, 6> kNames = {"一条太郎", "二宮次郎", "三好三郎",
                                                          "四谷四郎", "五島五郎", "六角六郎"};

    UnitGame() {
        for (const char* name : kNames)
            enrol(name);
    }

    clsStudent& student(const std::string& name) {
        clsStudent* found = nullptr;
        if (!managers(data()).students().GetStudent(name, found)) throw std::runtime_error("no " + name);
        return *found;
    }
    clsTMPData& CTMP() { return MainFormInside(*main).context().CTMP; }

    // "チーム出力" on the school screen.
    void openExport() { click("GLSystem", 4); }
    // The quest list's confirmation as the school screen gives it.
    void openQuest(const std::string& quest, std::int16_t need) {
        picSchool().setEnabled(false);
        CTMP().SetDataSingle(unit_slots::kNeedPhysical, need);
        CTMP().SetDataSingle(unit_slots::kQuestName, quest);
        main->ShowUnitScreen(need, "チーム編成");
    }

    ctrGraphicalGridVer2& grid() { return control<ctrGraphicalGridVer2>("GGUnit"); }
    ctrGraphicalPanel& panel() { return control<ctrGraphicalPanel>("GPUnit"); }
    std::string slot(int k) { return button("GLUnitData", k).Text(); }
    std::vector<std::string> slots() {
        std::vector<std::string> all;
        for (int k = 0; k < 5; ++k)
            all.push_back(slot(k));
        return all;
    }
    std::string message() { return control<ctrGraphicalMSG>("GMSGUnit").Text(); }

    // The grid row that lists the student, or -1.
    std::int16_t rowOf(const std::string& name) {
        for (std::int16_t r = 0; r <= grid().Rows(); ++r)
            if (grid().GetData(r, 1) == name) return r;
        return -1;
    }
    // The point of a form control's local point.
    std::pair<int, int> onForm(host::ui::Control& target, int x, int y) {
        for (host::ui::Control* c = &target; c && c != &main->form(); c = c->Parent()) {
            x += c->Left();
            y += c->Top();
        }
        return {x, y};
    }
    void moveTo(int x, int y) {
        driver.push(host::ui::InputEvent::move(x, y));
        main->DoEvents();
    }
    // Clicks the student's row, in the name column (the list shows every row).
    void clickRow(const std::string& name, int button = 1) {
        const std::int16_t row = rowOf(name);
        if (row < 0) throw std::runtime_error("not listed: " + name);
        const host::gdi::Rect cell =
            grid().SlotRect(static_cast<std::int16_t>(row - grid().TopRow() + grid().HeaderRows()), 1);
        const auto [x, y] = onForm(grid(), (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        moveTo(x, y);
        driver.click(x, y, button);
        main->DoEvents();
    }
    void hoverRow(const std::string& name) {
        const host::gdi::Rect cell = grid().SlotRect(
            static_cast<std::int16_t>(rowOf(name) - grid().TopRow() + grid().HeaderRows()), 1);
        const auto [x, y] = onForm(grid(), (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        moveTo(x, y);
    }
    // The panel cell that stands for slot k on the line shown.
    std::pair<int, int> cellOf(int k) {
        return {CTMP().GetUnitYPos(static_cast<std::int16_t>(k)),
                CTMP().GetUnitXPos(static_cast<std::int16_t>(k))};
    }
    void clickCell(int row, int col) {
        const auto [x, y] = onForm(panel(), (col - 1) * 52 + 26, (row - 1) * 52 + 26);
        moveTo(x, y);
        driver.click(x, y);
        main->DoEvents();
    }
    void clickCellOf(int k) {
        const auto [row, col] = cellOf(k);
        clickCell(row, col);
    }
    void rightClick(const std::string& name, int index = 0) {
        const auto [x, y] = onForm(control(name, index), 5, 5);
        moveTo(x, y);
        driver.click(x, y, host::ui::vbRightButton);
        main->DoEvents();
    }
    void hover(const std::string& name, int index = 0) {
        const auto [x, y] = onForm(control(name, index), 5, 5);
        moveTo(x, y);
    }
    // Moves the pointer onto the screen's bare background.
    void moveAway() { moveTo(500, 590); }

    // Five students placed through the grid and the number buttons.
    void placeFive() {
        for (int k = 0; k < 5; ++k) {
            clickRow(kNames[static_cast<std::size_t>(k)]);
            click("GLUnitNumber", k);
        }
    }
    // Moves onto the row naming the choice in the open picker; its point.
    std::pair<int, int> hoverChoice(const std::string& choice) {
        auto& GGMSG = control<ctrGraphicalGridVer2>("GGMSG");
        for (std::int16_t r = 0; r <= GGMSG.Rows(); ++r) {
            if (GGMSG.GetData(r, 1) != choice) continue;
            const host::gdi::Rect cell =
                GGMSG.SlotRect(static_cast<std::int16_t>(r - GGMSG.TopRow() + GGMSG.HeaderRows()), 1);
            const auto point = onForm(GGMSG, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
            moveTo(point.first, point.second);
            return point;
        }
        throw std::runtime_error("not offered: " + choice);
    }
    // Picks the row naming the choice in the open picker and confirms it.
    void pick(const std::string& choice) {
        const auto [x, y] = hoverChoice(choice);
        driver.click(x, y);
        main->DoEvents();
        click("GLMSGExcute");
    }
    std::vector<std::string> offered() {
        auto& GGMSG = control<ctrGraphicalGridVer2>("GGMSG");
        std::vector<std::string> names;
        for (std::int16_t r = 0; r <= GGMSG.Rows(); ++r)
            names.push_back(GGMSG.GetData(r, 1));
        return names;
    }
    std::string formation() { return button("GLUnitLineData").Text(); }
    // Another formation than the one shown.
    std::string otherLine() {
        for (const clsGetGridData& row : data().GetSelectLineData())
            if (row.Data(1) != formation()) return row.Data(1);
        throw std::runtime_error("one formation only");
    }
};

} // namespace unittest
