#include "toolkit/ctr_graphical_label_lite.h"

#include "host/ui/form.h"
#include "host/ui/picture_box.h"

#include <benchmark/benchmark.h>

// The pointer entering and leaving a button label, as on every mouse move
// across a menu: each is one redraw from a ready look with frame and caption.
static void BM_LabelHoverRedraw(benchmark::State& state) {
    host::ui::Form form;
    host::ui::PictureBox screen;
    screen.setParent(&form);
    screen.Move(0, 0, 800, 600);
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
