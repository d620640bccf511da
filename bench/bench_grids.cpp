#include "grids/columns/column_kinds.h"
#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "grids/list_grid/grid_settings.h"

#include "host/gdi/fill.h"
#include "host/ui/window_procedure.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr std::int16_t kRows = 200;

// The student list's columns: check, name, four numbers and texts.
std::shared_ptr<const GGVer2HeaderCollection> studentColumns() {
    clsGGVer2Headers registry;
    const std::int32_t kinds[] = {kColumnCheckMark, kColumnTextCentred, kColumnTextRight, kColumnTextRight,
                                  kColumnTextRight, kColumnTextCentred, kColumnPicture,   kColumnPicture,
                                  kColumnTextRight, kColumnTextCentred};
    std::int16_t index = 0;
    for (std::int32_t kind : kinds) {
        ++index;
        registry.Add("生徒", "列", kind, index, 40, "", 20, 20, nullptr, nullptr);
    }
    return registry.GetHeaders("生徒");
}

// Cell c of row r: a check state, a name, numbers and short texts, in no order.
std::string cellText(int r, int c) {
    const int scrambled = (r * 7919) % kRows;
    switch (c) {
    case 0:
        return "0";
    case 1:
        return "生徒" + std::to_string(scrambled);
    case 5:
    case 9:
        return scrambled % 3 == 0 ? "元気" : "普通";
    default:
        return std::to_string((scrambled * (c + 3)) % 97);
    }
}

void fill(ctrGraphicalGridVer2& grid, const std::shared_ptr<const GGVer2HeaderCollection>& columns) {
    grid.SetGrid(columns, 14, kRows - 1, 9, 22);
    for (std::int16_t r = 0; r < kRows; ++r) {
        grid.Row(r);
        for (std::int16_t c = 0; c <= 9; ++c) {
            grid.Col(c);
            grid.Value(cellText(r, c));
        }
    }
}

} // namespace

// A host filling the largest list of the game: 200 rows of ten cells.
static void BM_GridFill200(benchmark::State& state) {
    const auto columns = studentColumns();
    ctrGraphicalGridVer2 grid;
    for (auto _ : state) {
        fill(grid, columns);
        benchmark::DoNotOptimize(grid.GetData(kRows - 1, 9));
    }
}
BENCHMARK(BM_GridFill200)->Unit(benchmark::kMicrosecond);

// Filling, then sorting by a column (2: numbers; 1: texts), then a second key
// as a header click adds it.
static void BM_GridFillAndSort200(benchmark::State& state) {
    const auto columns = studentColumns();
    const auto sortCol = static_cast<std::int16_t>(state.range(0));
    ctrGraphicalGridVer2 grid;
    for (auto _ : state) {
        fill(grid, columns);
        grid.SortFromStart(sortCol, 0);
        grid.AddSortKey(5);
        grid.SortGridRows();
        benchmark::DoNotOptimize(grid.GetData(0, 1));
    }
}
BENCHMARK(BM_GridFillAndSort200)->Arg(2)->Arg(1)->Unit(benchmark::kMicrosecond);

namespace {

// A grid of the stored look filling 800 x 400: a check column, a name, twelve
// numbers, two status pictures and a text, 20 rows in 19 data slots (so it
// scrolls), over a picture of the screen.
class RepaintScene {
  public:
    RepaintScene() {
        host::gdi::FillRect(check_, {0, 0, 10, 20}, host::gdi::Brush{host::gdi::RGB(40, 36, 48)});
        host::gdi::FillRect(status_, {4, 4, 16, 96}, host::gdi::Brush{host::gdi::RGB(90, 200, 120)});
        clsGGVer2Headers registry;
        std::int16_t index = 0;
        const auto add = [&](std::int32_t kind, std::int16_t width, host::gdi::DeviceContext* picture) {
            const bool check = kind == kColumnCheckMark;
            registry.Add("生徒", "能力", kind, ++index, width, "", check ? 10 : 20, check ? 20 : 20, picture,
                         picture ? &mask_ : nullptr);
        };
        add(kColumnCheckMark, 25, &check_);
        add(kColumnTextCentred, 120, nullptr);
        for (int i = 0; i < 12; ++i)
            add(kColumnTextRight, 40, nullptr);
        add(kColumnPicture, 35, &status_);
        add(kColumnPicture, 35, &status_);
        add(kColumnTextCentred, 85, nullptr);
        columns_ = registry.GetHeaders("生徒");
        host::gdi::FillRect(screen_, {0, 0, 800, 600}, host::gdi::Brush{host::gdi::RGB(100, 150, 200)});
        grid.ReadProperties(*storedGridSettings("GGSchool"));
        grid.SetBackImage(screen_, 0, 100);
        grid.SetGrid(columns_, 20, 19, 16, 20);
        for (std::int16_t r = 0; r < 20; ++r) {
            grid.Row(r);
            for (std::int16_t c = 0; c <= 16; ++c) {
                grid.Col(c);
                grid.Value(c == 0   ? "0"
                           : c == 1 ? "生徒" + std::to_string(r)
                                    : std::to_string((r * 7 + c) % 5));
            }
        }
    }

    ctrGraphicalGridVer2 grid;

  private:
    host::gdi::DeviceContext screen_{800, 600};
    host::gdi::DeviceContext check_{10, 20};
    host::gdi::DeviceContext status_{20, 100};
    host::gdi::DeviceContext mask_{20, 100};
    std::shared_ptr<const GGVer2HeaderCollection> columns_;
};

} // namespace

// One full repaint: the background washed, lines, header, track and every cell.
static void BM_GridRepaint800x400(benchmark::State& state) {
    RepaintScene scene;
    for (auto _ : state) {
        scene.grid.Paint(-1, 0);
        benchmark::DoNotOptimize(scene.grid.Disp().hDC().bitmap().pixel(400, 200));
    }
}
BENCHMARK(BM_GridRepaint800x400)->Unit(benchmark::kMicrosecond);

// One wheel step over the same grid: the background copied back and every
// row drawn again from the next top row, with the hover frame.
static void BM_GridWheelStep800x400(benchmark::State& state) {
    RepaintScene scene;
    scene.grid.Paint(-1, 0);
    scene.grid.onMouseMove(0, 0, 300, 50);
    const std::int32_t down = host::ui::wheelWParam(-host::ui::WHEEL_DELTA);
    const std::int32_t up = host::ui::wheelWParam(host::ui::WHEEL_DELTA);
    bool toward = true;
    for (auto _ : state) {
        scene.grid.WindowProc(scene.grid.hWnd(), host::ui::WM_MOUSEWHEEL, toward ? down : up, 0);
        toward = !toward;
        benchmark::DoNotOptimize(scene.grid.TopRow());
    }
}
BENCHMARK(BM_GridWheelStep800x400)->Unit(benchmark::kMicrosecond);
