#include "toolkit/ctr_graphical_label_ex.h"
#include "toolkit/ctr_graphical_label_lite.h"

#include "toolkit_fixture.h"

#include "host/ui/compose.h"

namespace {

class LooksTest : public toolkit_test::ToolkitTest {};

// Every look of the button label and the stacked bar over a painted scene,
// written to looks/toolkit_labels_and_bars.png for a person to look at.
TEST_F(LooksTest, RendersEveryLookOfTheLabelAndTheBar) {
    toolkit_test::paintScene(screen.hDC().bitmap());

    struct Row {
        const char* text;
        std::int32_t alignment;
        std::int16_t frame;
        bool bold;
        std::int16_t size;
    };
    const Row rows[] = {
        {"学園を始める", 2, 1, false, 16}, {"左寄せ Left", 1, 1, false, 12}, {"右寄せ Right", 3, 2, true, 12},
        {"上揃え Top", 0, 1, false, 12},   {"次の日へ", 2, 3, true, 16},
    };
    std::vector<ctrGraphicalLabelLite*> labels;
    int y = 40;
    for (const Row& row : rows) {
        for (int look = 0; look < 4; ++look) {
            auto& label = place<ctrGraphicalLabelLite>(screen, 30 + look * 190, y, 170, 36);
            label.TextAlignment(row.alignment);
            label.FrameWidth(row.frame);
            label.FontBold(row.bold);
            label.FontSize(row.size);
            label.Text(row.text);
            label.BackImageCopy(screen, static_cast<std::int16_t>(label.Left()),
                                static_cast<std::int16_t>(y));
            if (look == 2) label.Selected(true);
            if (look == 3) {
                label.Selected(true);
                label.Enable(false);
            }
            labels.push_back(&label);
        }
        y += 50;
    }
    // The mouse-over look of the first row's second label.
    send(host::ui::InputEvent::move(labels[1]->Left() + 20, labels[1]->Top() + 10));

    const struct {
        std::int16_t count;
        std::array<std::int16_t, 4> values;
        std::int32_t horizon;
        std::int32_t colour;
        std::int16_t AP;
    } bars[] = {
        {1, {70}, 1, 5, 30},         {1, {35}, 2, 133, 20}, {4, {10, 20, 30, 40}, 2, 5, 50},
        {3, {30, 30, 40}, 1, 5, 50}, {1, {0}, 1, 5, 30},
    };
    y = 320;
    for (const auto& b : bars) {
        auto& bar = place<ctrGraphicalLabelEX>(screen, 30, y, 187, 18);
        toolkit_test::showValues(bar, b.count, b.values, b.horizon);
        bar.FirstSemiTrans(b.colour);
        bar.FirstAP(b.AP);
        bar.BackImageCopy(screen, 30, static_cast<std::int16_t>(y));
        bar.RePaint();
        y += 28;
    }

    host::gdi::DeviceContext frame(800, 600);
    host::ui::Compose(form, frame);
    toolkit_test::writeLook(frame.bitmap(), "toolkit_labels_and_bars.png");
    EXPECT_NE(frame.bitmap().pixel(labels[0]->Left() + 5, labels[0]->Top() + 30),
              screen.hDC().bitmap().pixel(labels[0]->Left() + 5, labels[0]->Top() + 30));
}

} // namespace
