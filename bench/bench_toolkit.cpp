#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"

#include "host/ui/form.h"
#include "host/ui/picture_box.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The form with the screen picture the controls are placed on.
struct Screen {
    Screen() {
        screen.setParent(&form);
        screen.Move(0, 0, 800, 600);
    }
    host::ui::Form form;
    host::ui::PictureBox screen;
};

} // namespace

// The pointer entering and leaving a button label, as on every mouse move
// across a menu: each is one redraw from a ready look with frame and caption.
static void BM_LabelHoverRedraw(benchmark::State& state) {
    Screen on;
    host::ui::PictureBox& screen = on.screen;
    ctrGraphicalLabelLite label;
    label.setParent(&screen);
    label.Move(300, 280, 200, 40);
    label.Text("学園を始める");
    label.BackImageCopy(screen, 300, 280);
    for (auto _ : state) {
        label.onMouseMove(0, 0, 50, 20);
        label.onMouseMove(0, 0, -1, -1);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_LabelHoverRedraw)->Unit(benchmark::kMicrosecond);

// A long bottom-aligned report set as the battle log sets it: the whole text
// laid out into the text picture, then scrolled to its end line by line.
static void BM_MessageBoxLongReport(benchmark::State& state) {
    Screen on;
    host::ui::PictureBox& screen = on.screen;
    ctrGraphicalMSG box;
    box.setParent(&screen);
    box.Move(20, 360, 760, 220);
    box.FontSize(14);
    box.VerticalAlignment(1);
    box.BackImageCopy(screen.hDC(), 20, 360);
    std::string report;
    for (int i = 0; i < state.range(0); ++i)
        report += (i ? "\r\n" : "") + std::string("左の山田太郎の攻撃！右の聖林学園の佐藤花子に") +
                  std::to_string(i) + "のダメージを与えた。佐藤花子は混乱した。";
    for (auto _ : state)
        box.Text(report);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MessageBoxLongReport)->Arg(50)->Arg(400)->Unit(benchmark::kMillisecond);
