#include "host/ui/compose.h"
#include "host/ui/error_reporter.h"
#include "host/ui/form.h"
#include "host/ui/label.h"
#include "host/ui/message_pump.h"
#include "host/ui/null_driver.h"
#include "host/ui/picture_box.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct Quiet : host::ui::HandlerErrorReporter {
    void report(const std::string&) override {}
};

// A screen as the game builds one: an 800 x 600 picture with eight controls
// and a label on it, beside a hidden second screen: ten controls in all.
struct Screen {
    Screen() {
        auto add = [this](host::ui::Control& parent, int l, int t, int w, int h) -> host::ui::PictureBox& {
            boxes.push_back(std::make_unique<host::ui::PictureBox>());
            boxes.back()->setParent(&parent);
            boxes.back()->Move(l, t, w, h);
            return *boxes.back();
        };
        auto& screen = add(form, 0, 0, 800, 600);
        add(form, 0, 0, 800, 600).setVisible(false);
        for (int i = 0; i < 7; ++i)
            add(screen, 20 + i * 110, 100 + (i % 3) * 120, 150, 25 + i * 20);
        label.setParent(&screen);
        label.Move(550, 360, 245, 230);
        label.setCaption("何をしますか。学園の授業を選んでください。");
    }
    host::ui::Form form;
    std::vector<std::unique_ptr<host::ui::PictureBox>> boxes;
    host::ui::Label label;
};

void BM_DoEventsNothingPending(benchmark::State& state) {
    Screen screen;
    host::ui::NullVideoDriver driver;
    Quiet errors;
    host::ui::MessagePump pump(screen.form, driver, errors);
    pump.DoEvents();
    for (auto _ : state)
        pump.DoEvents();
}
BENCHMARK(BM_DoEventsNothingPending);

void BM_ComposeTenControls(benchmark::State& state) {
    Screen screen;
    host::gdi::DeviceContext frame(800, 600);
    for (auto _ : state) {
        host::ui::Compose(screen.form, frame);
        benchmark::DoNotOptimize(frame.bitmap().row(0));
    }
}
BENCHMARK(BM_ComposeTenControls)->Unit(benchmark::kMicrosecond);

} // namespace
