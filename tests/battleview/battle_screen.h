#pragma once

#include "battle_scene.h"

#include "battleview/cls_battle.h"

#include "host/ui/ui_fixture.h"

#include "toolkit/ctr_graphical_label_ex.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"

#include "host/gdi/fill.h"
#include "host/ui/picture_box.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace battleview_test {

// The battle screen of a test form: the 800 x 600 battle picture holding
// the six gauges, the time gauge, the twelve skill buttons and the log,
// all bound to the driver.
class BattleControls {
  public:
    BattleControls(host::ui::Control& form, clsBattle& battle)
        : picture(place<host::ui::PictureBox>(form, 0, 0, 800, 600)),
          timeGauge(place<ctrGraphicalLabelEX>(picture, 300, 226, 200, 12)),
          log(place<ctrGraphicalMSG>(picture, 230, 70, 340, 150)) {
        picture.setVisible(false);
        for (int side = 0; side < 2; ++side) {
            for (int g = 0; g < 3; ++g) {
                gauges[side][g] =
                    &place<ctrGraphicalLabelEX>(picture, side == 0 ? 10 : 590, 8 + 22 * g, 200, 16);
                gauges[side][g]->Horizon(side == 0 ? 1 : 0);
            }
            for (int n = 0; n < 6; ++n) {
                auto& button =
                    place<ctrGraphicalLabelLite>(picture, (side == 0 ? 5 : 405) + 65 * n, 562, 62, 30);
                button.SelectEnable(true);
                button.FontSize(12);
                buttons[side][n] = &button;
            }
        }
        timeGauge.FirstSemiTrans(146);
        log.FontSize(12);
        for (int side = 0; side < 2; ++side) {
            const int unit = side == 0 ? 2 : 1;
            for (int g = 0; g < 3; ++g)
                battle.SetGraphicalLabel(*gauges[side][g], g + 1, unit, 0);
            for (int n = 0; n < 6; ++n)
                battle.SetGraphicalLabel(*buttons[side][n], 4, unit, static_cast<std::int16_t>(n));
        }
        battle.SetGraphicalLabel(timeGauge, 5, 3, 0);
        battle.SetGraphicalLabel(log, 6, 3, 0);
        battle.SetGraphicalLabel(picture, 7, 3, 0);
        battle.SetfrmHDC(picture.hDC());
    }

    // The caller's part before a battle: the controls take their copies of
    // what the picture shows now.
    void copyBackground() {
        for (auto& side : gauges)
            for (ctrGraphicalLabelEX* gauge : side)
                gauge->BackImageCopy(picture, static_cast<std::int16_t>(gauge->Left()),
                                     static_cast<std::int16_t>(gauge->Top()));
        for (auto& side : buttons)
            for (ctrGraphicalLabelLite* button : side)
                button->BackImageCopy(picture, static_cast<std::int16_t>(button->Left()),
                                      static_cast<std::int16_t>(button->Top()));
        timeGauge.BackImageCopy(picture, static_cast<std::int16_t>(timeGauge.Left()),
                                static_cast<std::int16_t>(timeGauge.Top()));
        log.BackImageCopy(picture.hDC(), static_cast<std::int16_t>(log.Left()),
                          static_cast<std::int16_t>(log.Top()));
    }

  private:
    template <class T> T& place(host::ui::Control& container, int left, int top, int width, int height) {
        auto control = std::make_unique<T>();
        T& ref = *control;
        ref.setParent(&container);
        ref.Move(left, top, width, height);
        owned_.push_back(std::move(control));
        return ref;
    }

    std::vector<std::unique_ptr<host::ui::Control>> owned_;

  public:
    host::ui::PictureBox& picture;
    std::array<std::array<ctrGraphicalLabelEX*, 3>, 2> gauges{};
    std::array<std::array<ctrGraphicalLabelLite*, 6>, 2> buttons{};
    ctrGraphicalLabelEX& timeGauge;
    ctrGraphicalMSG& log;
};

// The battle screen on a form of the null driver, its driver's DoEvents the
// form's pump; the picture painted sky over field.
class BattleScreen : public ui_test::UiTest {
  protected:
    static constexpr COLORREF kField = RGB(70, 110, 70);
    static constexpr COLORREF kSky = RGB(120, 160, 210);

    BattleScreen() {
        paintBackground();
        battle.SetRegulation(rules);
        battle.DebugOutPut.subscribe([this](std::string& message) { messages.push_back(message); });
    }

    void paintBackground() {
        host::gdi::FillRect(picture.hDC(), {0, 0, 800, 250}, host::gdi::Brush{kSky});
        host::gdi::FillRect(picture.hDC(), {0, 250, 800, 600}, host::gdi::Brush{kField});
        copyBackground();
    }
    void copyBackground() { controls.copyBackground(); }

    // Clicks the side's button n (0 left, 1 right) from inside a wait.
    void press(int side, int n) {
        const ctrGraphicalLabelLite& button = *buttons[side][n];
        click(button.Left() + 10, button.Top() + 10);
        send(host::ui::InputEvent::move(0, 200));
    }

    const WatchedServices& watched() const { return *services; }

    ScopedWatchedServices services;
    clsBattleRegulation rules;
    clsBattle battle{[this] { pump.DoEvents(); }};
    BattleControls controls{form, battle};
    host::ui::PictureBox& picture = controls.picture;
    std::array<std::array<ctrGraphicalLabelEX*, 3>, 2>& gauges = controls.gauges;
    std::array<std::array<ctrGraphicalLabelLite*, 6>, 2>& buttons = controls.buttons;
    ctrGraphicalLabelEX& timeGauge = controls.timeGauge;
    ctrGraphicalMSG& log = controls.log;
    std::vector<std::string> messages;
};

} // namespace battleview_test
