#pragma once

#include "app/screens/school/school_game.h"
#include "app/shell/main_form_inside.h"

#include "app/screens/town/town_captions.h"
#include "app/shell/message_types.h"

#include "host/ui/input_event.h"
#include "host/ui/label.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace towntest {

// The real game's new school walked into the town by mouse: the place
// buttons, the list's rows and the dialog's controls, and the school's
// money, points and holdings set as a case needs them.
class TownGame : public schooltest::SchoolGame {
  protected:
    clsTMPData& CTMP() { return MainFormInside(*main).context().CTMP; }
    host::ui::PictureBox& picCity() { return control<host::ui::PictureBox>("picCity"); }
    host::ui::PictureBox& picMSG() { return control<host::ui::PictureBox>("picMSG"); }
    ctrGraphicalGridVer2& shop() { return control<ctrGraphicalGridVer2>("GGShop"); }
    ctrGraphicalGridVer2& choices() { return control<ctrGraphicalGridVer2>("GGMSG"); }
    ctrGraphicalSlider& slider() { return control<ctrGraphicalSlider>("GSMSG"); }
    ctrGraphicalMSG& report() { return control<ctrGraphicalMSG>("GMSGReport"); }
    std::string tip() { return control<ctrGraphicalMSG>("GMSGCity").Text(); }
    std::string body() { return control<host::ui::Label>("lblBody").Caption(); }
    std::string secondLine() { return control<host::ui::Label>("lblBody2").Caption(); }
    bool shows(const std::string& name) { return control(name).Visible(); }

    // "街へ行く" on the school's main menu.
    void goToTown() { click("GLSchool", 8); }
    // A place button of the place menu, by its caption.
    void enter(MenuKey place) {
        const auto& places = town_captions::gPlaces;
        const auto at = std::find(places.begin(), places.end(), place.name());
        click("GLShop", static_cast<int>(at - places.begin()));
    }
    // The list's row showing the name in column 1.
    std::int16_t rowOf(const std::string& name) {
        for (std::int16_t r = 0; r <= shop().Rows(); ++r)
            if (shop().GetData(r, 1) == name) return r;
        throw std::runtime_error("no row " + name);
    }
    // A click on the row: it takes the mark, or loses it when it had it. A
    // row on screen is clicked with the mouse; one scrolled away as the
    // grid's own click would report it.
    void clickRow(const std::string& name) { clickRow(shop(), rowOf(name)); }
    void clickRow(ctrGraphicalGridVer2& grid, std::int16_t row) {
        const int slot = grid.HeaderRows() + row - grid.TopRow();
        if (row >= grid.TopRow() && slot < grid.ShownSlots()) {
            const host::gdi::Rect cell = grid.SlotRect(static_cast<std::int16_t>(slot), 1);
            int x = (cell.left + cell.right) / 2;
            int y = (cell.top + cell.bottom) / 2;
            for (host::ui::Control* c = &grid; c && c != &main->form(); c = c->Parent()) {
                x += c->Left();
                y += c->Top();
            }
            // On its way the pointer leaves the button that holds it.
            driver.push(host::ui::InputEvent::move(x, y));
            driver.click(x, y);
            main->DoEvents();
            return;
        }
        grid.Checked(row, !grid.Checked(row));
        std::int16_t selected = row;
        std::int16_t col = 1;
        grid.RowSelect.raise(selected, col);
    }
    std::string cell(const std::string& name, std::int16_t col) { return shop().GetData(rowOf(name), col); }

    void setMoney(std::int32_t money) {
        managers(data()).system().SubMoney(data().GetMoney());
        managers(data()).system().AddMoney(money);
        main->RefreshStatusView();
    }
    void setPoints(std::int32_t points) {
        managers(data()).system().SubKingdomPoint(data().GetKingdomPoint());
        managers(data()).system().AddKingdomPoint(points);
        main->RefreshStatusView();
    }
    std::int16_t held(const std::string& item) { return managers(data()).items().ItemStorage(item); }
    void holdExactly(const std::string& item, std::int16_t count) {
        std::int16_t all = held(item);
        managers(data()).items().ItemDelete(item, all);
        managers(data()).items().ItemAdd(item, count);
    }
};

} // namespace towntest
