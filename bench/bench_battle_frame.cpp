#include "battleview/cls_effect.h"

#include "battle/combat/cls_base_unit.h"
#include "battle/combat/cls_fix_unit_data.h"
#include "battle/combat/cls_unit.h"
#include "battle/records/cls_line_data.h"
#include "platform/drawing/memory_dc.h"
#include "platform/graphics/images.h"

#include "host/gdi/fill.h"
#include "host/ui/form.h"
#include "host/ui/picture_box.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

void addPicture(const std::string& name, int width, int height, host::gdi::COLORREF colour) {
    auto picture = std::make_unique<host::gdi::DeviceContext>(width, height);
    host::gdi::FillRect(*picture, {4, 4, width - 4, height - 4}, host::gdi::Brush{colour});
    auto mask = CreateMaskDC(*picture, width, height, host::gdi::kWhite, *picture);
    Images().AddImage(name, picture, width, height);
    Images().AddImage(name + "mask", mask, width, height);
}

// A formation of five swordsmen on a diagonal.
struct Formation {
    std::vector<std::unique_ptr<clsLineData>> positions;
    clsUnit unit;

    explicit Formation(const std::string& name) {
        auto sheet = std::make_shared<clsFixUnitData>();
        sheet->UnitName(name);
        sheet->UnitType("攻撃");
        sheet->Physical(600);
        auto core = std::make_shared<clsBaseUnit>();
        core->SetFixUnitData(sheet);
        clsBaseUnit::LineDatas datas;
        for (std::int16_t n = 1; n <= 5; ++n) {
            auto position = std::make_unique<clsLineData>();
            position->XPosition(n);
            position->YPosition(n);
            position->Image("剣士");
            datas.add(position.get(), "Number" + std::to_string(n));
            positions.push_back(std::move(position));
        }
        core->SetLineDatas(std::move(datas));
        unit.SetHumanUnit(core, 2);
        unit.UnitInit(0);
    }
};

} // namespace

// One refreshed battle frame: the field band restored, both sprites drawn
// through their masks, and the four status numbers written.
static void BM_BattleFrame_800x600(benchmark::State& state) {
    host::runtime::ScopedInstall<clsImages> images(gImages, std::make_unique<clsImages>());
    addPicture("剣士左", 50, 50, host::gdi::RGB(200, 60, 60));
    addPicture("剣士右", 50, 50, host::gdi::RGB(60, 60, 200));
    host::ui::Form form;
    host::ui::PictureBox picture;
    picture.setParent(&form);
    picture.Move(0, 0, 800, 600);
    host::gdi::FillRect(picture.hDC(), {0, 0, 800, 600}, host::gdi::Brush{host::gdi::RGB(90, 120, 90)});
    clsEffect effect;
    effect.SetPB(picture);
    effect.SetfrmHDC(picture.hDC());
    Formation left("東");
    Formation right("西");
    effect.SetUnit(left.unit, right.unit);
    effect.DrawStatus();
    std::int16_t value = 0;
    for (auto _ : state) {
        effect.ImageInit();
        effect.DrawLeftPhysical(value);
        effect.DrawRightPhysical(static_cast<std::int16_t>(600 - value));
        effect.DrawLeftEnergy(static_cast<std::int16_t>(value % 100));
        effect.DrawRightEnergy(static_cast<std::int16_t>(99 - value % 100));
        value = static_cast<std::int16_t>((value + 1) % 600);
        benchmark::DoNotOptimize(picture.hDC().bitmap().row(0));
    }
    effect.Clear();
}
BENCHMARK(BM_BattleFrame_800x600)->Unit(benchmark::kMicrosecond);
