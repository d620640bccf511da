#include "grids/table_view/ctr_graphical_view_ver2.h"

#include "host/ui/form.h"
#include "host/ui/picture_box.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The school screen's status strip: five cells in one row 30 high, washed
// and framed as the game stores it.
struct Strip {
    Strip() {
        screen.setParent(&form);
        screen.Move(0, 0, 800, 600);
        view.setParent(&screen);
        view.Move(5, 5, 10, 10);
        view.ReadProperties(GraphicalViewSettings::readDefaults());
        view.FontSize(14);
        view.TextColor(3);
        view.HeaderHeight(1, 30);
        view.AddHeader(1, 1, 1, 240, "date", "1年目 4月1日(月)");
        view.AddHeader(1, 2, 3, 150, "money", "12,000G");
        view.AddHeader(1, 3, 3, 110, "point", "30P");
        view.AddHeader(1, 4, 2, 70, "rank", "E");
        view.AddHeader(1, 5, 1, 220, "construct", "建設中: 図書館");
        view.SetBackImage(screen.hDC(), 5, 5);
        view.RePaint();
    }
    host::ui::Form form;
    host::ui::PictureBox screen;
    ctrGraphicalViewVer2 view;
};

} // namespace

// One day's money change: the money cell restored and drawn again.
static void BM_StatusStripTextChange(benchmark::State& state) {
    Strip strip;
    int money = 0;
    for (auto _ : state)
        strip.view.Text("money", std::to_string(money++ % 100000) + "G");
}
BENCHMARK(BM_StatusStripTextChange)->Unit(benchmark::kMicrosecond);

// The whole strip washed, framed and drawn again, as after a background change.
static void BM_StatusStripRePaint(benchmark::State& state) {
    Strip strip;
    for (auto _ : state)
        strip.view.RePaint();
}
BENCHMARK(BM_StatusStripRePaint)->Unit(benchmark::kMicrosecond);
