#include "grids/column_kinds.h"
#include "grids/ctr_graphical_grid_ver2.h"

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
