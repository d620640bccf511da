#pragma once

#include "battle/combat/combat_support.h"

#include "battle/battle_codes.h"
#include "battle/combat/cls_base_unit.h"
#include "battle/combat/cls_unit.h"
#include "battle/records/cls_line_data.h"
#include "platform/drawing/memory_dc.h"
#include "platform/graphics/images.h"
#include "platform/services/silent_services.h"

#include "host/gdi/bitmap.h"
#include "host/gdi/color.h"
#include "host/gdi/fill.h"
#include "host/runtime/global.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace battleview_test {

using host::gdi::COLORREF;
using host::gdi::RGB;

// Test services that also tell the test about every wait, where a frame of
// an animation stands on the picture.
class WatchedServices : public SilentServices {
  public:
    std::function<void(double)> onWait;
    void WaitTime(double ms) override {
        SilentServices::WaitTime(ms);
        if (onWait) onWait(ms);
    }
};

class ScopedWatchedServices : public host::runtime::ScopedInstall<GameServices, WatchedServices> {
  public:
    ScopedWatchedServices() : ScopedInstall(installedServices, std::make_unique<WatchedServices>()) {}
};

// A picture store of its own for the test.
class ScopedImages : public host::runtime::ScopedInstall<clsImages> {
  public:
    ScopedImages() : ScopedInstall(gImages, std::make_unique<clsImages>()) {}

    // Adds a picture painted by the test, with a mask keyed on white like the
    // archive loader makes (its white turns black).
    void addMasked(const std::string& name, int width, int height,
                   const std::function<void(host::gdi::DeviceContext&)>& paint) {
        auto picture = std::make_unique<host::gdi::DeviceContext>(width, height);
        paint(*picture);
        auto mask = CreateMaskDC(*picture, width, height, host::gdi::kWhite, *picture);
        Images().AddImage(name, picture, width, height);
        Images().AddImage(name + "mask", mask, width, height);
    }
    // A picture of one colour.
    void addPlain(const std::string& name, int width, int height, COLORREF colour) {
        addMasked(name, width, height, [&](host::gdi::DeviceContext& dc) {
            host::gdi::FillRect(dc, {0, 0, width, height}, host::gdi::Brush{colour});
        });
    }
    // Frames one under the other (or side by side), frame k in colours[k].
    void addFrames(const std::string& name, int frameWidth, int frameHeight,
                   const std::vector<COLORREF>& colours, bool vertical = true) {
        const int count = static_cast<int>(colours.size());
        const int width = vertical ? frameWidth : frameWidth * count;
        const int height = vertical ? frameHeight * count : frameHeight;
        addMasked(name, width, height, [&](host::gdi::DeviceContext& dc) {
            for (int k = 0; k < count; ++k) {
                const int x = vertical ? 0 : k * frameWidth;
                const int y = vertical ? k * frameHeight : 0;
                host::gdi::FillRect(dc, {x, y, x + frameWidth, y + frameHeight},
                                    host::gdi::Brush{colours[k]});
            }
        });
    }
};

// One position of a formation: column, row and unit type.
struct Cell {
    std::int16_t x = 1;
    std::int16_t y = 1;
    std::string image = "剣士";
};

// A combatant for the battle screen: a formation of five cells or a monster.
class Combatant {
  public:
    Combatant(const combattest::SheetValues& sheet, const std::vector<combattest::SkillRow>& skills,
              const std::vector<Cell>& cells, std::int32_t control = unit_control::kPlayer) {
        auto core = std::make_shared<clsBaseUnit>();
        core->SetFixUnitData(combattest::makeSheet(sheet));
        core->SetUnitSkills(book_.collection(skills));
        clsBaseUnit::LineDatas positions;
        for (std::size_t n = 0; n < cells.size(); ++n) {
            auto position = std::make_unique<clsLineData>();
            position->LineNumber(static_cast<std::int16_t>(n + 1));
            position->XPosition(cells[n].x);
            position->YPosition(cells[n].y);
            position->Image(cells[n].image);
            positions.add(position.get(), "Number" + std::to_string(n + 1));
            positions_.push_back(std::move(position));
        }
        core->SetLineDatas(std::move(positions));
        unit.SetHumanUnit(core, control);
        unit.UnitInit(0);
    }

    // A monster drawn at size tenths of its picture.
    static std::unique_ptr<Combatant> monster(const combattest::SheetValues& sheet, std::int16_t size,
                                              const std::vector<combattest::SkillRow>& skills = {},
                                              std::int32_t control = unit_control::kComputer) {
        auto made = std::unique_ptr<Combatant>(new Combatant());
        auto values = combattest::makeSheet(sheet);
        values->ImageSize(size);
        auto core = std::make_shared<clsBaseUnit>();
        core->SetFixUnitData(values);
        core->SetUnitSkills(made->book_.collection(skills));
        core->LetIsMonster();
        made->unit.SetMonsterUnit(core, control);
        made->unit.UnitInit(0);
        return made;
    }

    clsUnit unit;

  private:
    Combatant() = default;
    combattest::SkillBook book_;
    std::vector<std::unique_ptr<clsLineData>> positions_;
};

// Five cells in one column x, rows 1 to 5.
inline std::vector<Cell> column(std::int16_t x, const std::string& image = "剣士") {
    std::vector<Cell> cells;
    for (std::int16_t y = 1; y <= 5; ++y)
        cells.push_back({x, y, image});
    return cells;
}

} // namespace battleview_test
