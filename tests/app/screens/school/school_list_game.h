#pragma once

#include "school_game.h"

#include "app/shell/main_form_inside.h"

#include "host/ui/input_event.h"
#include "host/ui/label.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace schooltest {

// The real game's school played by mouse on its lists: rows of the school's
// list and of the dialog's choice grid clicked and hovered where they are
// drawn, the dialog read, the purse set as a case needs it.
class SchoolListGame : public SchoolGame {
  protected:
    clsTMPData& CTMP() { return MainFormInside(*main).context().CTMP; }
    FormContext& context() { return MainFormInside(*main).context(); }
    ctrGraphicalGridVer2& list() { return control<ctrGraphicalGridVer2>("GGSchool"); }
    ctrGraphicalGridVer2& choices() { return control<ctrGraphicalGridVer2>("GGMSG"); }
    host::ui::PictureBox& picMSG() { return control<host::ui::PictureBox>("picMSG"); }
    ctrGraphicalMSG& reportBox() { return control<ctrGraphicalMSG>("GMSGReport"); }
    std::string tip() { return control<ctrGraphicalMSG>("GMSGSchool").Text(); }
    std::string body() { return control<host::ui::Label>("lblBody").Caption(); }

    void hoverRow(ctrGraphicalGridVer2& grid, std::int16_t row) {
        const auto [x, y] = rowPoint(grid, row);
        driver.push(host::ui::InputEvent::move(x, y));
        main->DoEvents();
    }
    // A click on the row: it takes the mark, or loses it when it had it.
    void clickRow(ctrGraphicalGridVer2& grid, std::int16_t row) {
        const auto [x, y] = rowPoint(grid, row);
        driver.push(host::ui::InputEvent::move(x, y));
        driver.click(x, y);
        main->DoEvents();
    }
    void clickRow(std::int16_t row) { clickRow(list(), row); }
    void rightClick(const std::string& name) {
        host::ui::Control& target = control(name);
        int x = target.Width() / 2;
        int y = target.Height() / 2;
        for (host::ui::Control* c = &target; c && c != &main->form(); c = c->Parent()) {
            x += c->Left();
            y += c->Top();
        }
        driver.click(x, y, host::ui::vbRightButton);
        main->DoEvents();
    }
    // The list's row naming the name in column 1.
    std::int16_t rowOf(ctrGraphicalGridVer2& grid, const std::string& name) {
        for (std::int16_t r = 0; r <= grid.Rows(); ++r)
            if (grid.GetData(r, 1) == name) return r;
        throw std::runtime_error("not listed: " + name);
    }

    void setMoney(std::int32_t money) {
        managers(data()).system().SubMoney(data().GetMoney());
        managers(data()).system().AddMoney(money);
        main->RefreshStatusView();
    }
};

} // namespace schooltest
