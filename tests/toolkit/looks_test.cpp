#include "toolkit/ctr_graphical_label_ex.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"
#include "toolkit/ctr_graphical_panel.h"
#include "toolkit/ctr_graphical_slider.h"
#include "toolkit/graphical_graph.h"

#include "toolkit_fixture.h"

#include "platform/drawing/memory_dc.h"

#include "host/gdi/fill.h"
#include "host/ui/compose.h"
#include "host/ui/window_procedure.h"

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

// The gauges of the school screen over the scene: ability gauges with their
// captions, hovered and chosen, thin experience bars, the loading gauge.
TEST_F(LooksTest, RendersTheGauges) {
    toolkit_test::paintScene(screen.hDC().bitmap());
    const char* names[] = {"体力", "腕力", "敏捷", "技術", "知力", "忍耐"};
    std::vector<GraphicalGraph*> gauges;
    for (int i = 0; i < 6; ++i) {
        const int y = 40 + i * 34;
        auto& gauge = place<GraphicalGraph>(screen, 40, y, 220, 24);
        gauge.FontSize(12);
        gauge.FontColor(3);
        gauge.EnableMouseOver(true);
        gauge.EnableSelect(true);
        gauge.Max(25);
        gauge.SetImage(screen.hDC(), 40, static_cast<std::int16_t>(y));
        gauge.DrawValue(true);
        gauge.DrawPercent(false);
        gauge.Text(names[i]);
        gauge.Value(static_cast<std::int16_t>(4 + i * 4));
        auto& exp = place<GraphicalGraph>(screen, 40, y + 25, 220, 5);
        exp.FrameSize(0);
        exp.DrawPercent(true);
        exp.ProgressColor(146);
        exp.SetImage(screen.hDC(), 40, static_cast<std::int16_t>(y + 25));
        exp.Value(static_cast<std::int16_t>(15 * i));
        gauges.push_back(&gauge);
    }
    gauges[2]->Selected(true);
    send(host::ui::InputEvent::move(gauges[4]->Left() + 30, gauges[4]->Top() + 8));

    auto& loading = place<GraphicalGraph>(screen, 300, 500, 400, 30);
    loading.FontSize(16);
    loading.DrawPercent(true);
    loading.DrawValue(true);
    loading.Text("画像データ読み込み");
    loading.Translucent(false);
    loading.SetImage(screen.hDC(), 300, 500);
    loading.Value(63);

    host::gdi::DeviceContext frame(800, 600);
    host::ui::Compose(form, frame);
    toolkit_test::writeLook(frame.bitmap(), "toolkit_gauges.png");
    EXPECT_EQ(loading.caption(), "画像データ読み込み 63％");
}

// The formation matrix: unit pictures through their masks on enabled
// cells, the border under the pointer and the rings of chosen cells.
TEST_F(LooksTest, RendersThePanelMatrix) {
    toolkit_test::paintScene(screen.hDC().bitmap());
    host::gdi::DeviceContext unit(44, 44);
    host::gdi::FillRect(unit, {10, 4, 34, 40}, host::gdi::Brush{toolkit_test::RGB(180, 40, 40)});
    host::gdi::FillRect(unit, {16, 0, 28, 10}, host::gdi::Brush{toolkit_test::RGB(240, 200, 160)});
    const auto mask = CreateMaskDC(unit, 44, 44, host::gdi::kWhite, unit);

    auto& matrix = place<ctrGraphicalPanel>(screen, 270, 170, 10, 10);
    matrix.SetPanels(5, 5, 52, 52);
    matrix.SetImage(screen.hDC(), 270, 170);
    const int cells[][2] = {{1, 3}, {2, 2}, {2, 4}, {3, 1}, {3, 3}, {3, 5}};
    for (const auto& cell : cells) {
        const auto row = static_cast<std::int16_t>(cell[0]);
        const auto col = static_cast<std::int16_t>(cell[1]);
        matrix.SetPanelEnabled(row, col, true);
        matrix.SetPanelImage(row, col, &unit, mask.get());
    }
    matrix.Paint();
    matrix.PanelSelect(2, 2, true);
    matrix.PanelSelect(3, 5, true);
    send(host::ui::InputEvent::move(270 + 2 * 52 + 20, 170 + 2 * 52 + 20));

    host::gdi::DeviceContext frame(800, 600);
    host::ui::Compose(form, frame);
    toolkit_test::writeLook(frame.bitmap(), "toolkit_panel_matrix.png");
    EXPECT_TRUE(matrix.PanelSelect(2, 2));
}

// The message boxes of the screens over the scene: a long report wrapped
// and scrolled to its end, the same scrolled back by the wheel, a short
// bottom-aligned text, the battle log without a thumb and the report box.
TEST_F(LooksTest, RendersTheMessageBoxes) {
    toolkit_test::paintScene(screen.hDC().bitmap());
    const std::string report =
        "４月１日：新学期が始まりました。新入生が３０人入学し、学園はにぎやかになりました。\r\n"
        "武術部の山田太郎は朝から晩まで稽古に励み、体力と腕力が大きく伸びました。\r\n"
        "Town news: the item shop restocked 12 potions and 3 swords.\r\n"
        "株価速報：北海商事の株価が１５％上昇、南洋重工は倒産しました。\r\n"
        "スポンサー契約が満了しました。来年度の契約を検討してください。\r\n"
        "大会の組み合わせが決まりました。初戦の相手は聖林学園です。";
    struct Box {
        int left, top, width, height;
        std::int32_t alignment;
        std::int16_t size;
        std::int32_t colour;
        std::int16_t AP;
        bool noThumb;
        int wheelUp;
        std::string text;
    };
    const Box boxes[] = {
        {.left = 20,
         .top = 20,
         .width = 370,
         .height = 150,
         .alignment = 1,
         .size = 12,
         .colour = 1,
         .AP = 50,
         .noThumb = false,
         .wheelUp = 0,
         .text = report},
        {.left = 410,
         .top = 20,
         .width = 370,
         .height = 150,
         .alignment = 1,
         .size = 12,
         .colour = 1,
         .AP = 50,
         .noThumb = false,
         .wheelUp = 3,
         .text = report},
        {.left = 20,
         .top = 190,
         .width = 370,
         .height = 150,
         .alignment = 1,
         .size = 12,
         .colour = 1,
         .AP = 50,
         .noThumb = false,
         .wheelUp = 0,
         .text = "所持金が不足しています。\r\n購入できません。"},
        {.left = 410,
         .top = 190,
         .width = 370,
         .height = 150,
         .alignment = 0,
         .size = 12,
         .colour = 1,
         .AP = 50,
         .noThumb = false,
         .wheelUp = 0,
         .text = "学園の情報\r\n生徒数：１２０人\r\n"},
        {.left = 20,
         .top = 360,
         .width = 370,
         .height = 220,
         .alignment = 1,
         .size = 14,
         .colour = 3,
         .AP = 50,
         .noThumb = true,
         .wheelUp = 0,
         .text = report + "\r\n" + report},
        {.left = 410,
         .top = 360,
         .width = 370,
         .height = 220,
         .alignment = 1,
         .size = 12,
         .colour = 3,
         .AP = 30,
         .noThumb = false,
         .wheelUp = 0,
         .text = report + "\r\n" + report},
    };
    std::vector<ctrGraphicalMSG*> shown;
    for (const Box& b : boxes) {
        auto& box = place<ctrGraphicalMSG>(screen, b.left, b.top, b.width, b.height);
        box.SemiTransColorAP(b.AP);
        box.BackImageCopy(screen.hDC(), static_cast<std::int16_t>(b.left), static_cast<std::int16_t>(b.top));
        box.FontSize(b.size);
        box.FontColor(b.colour);
        box.VerticalAlignment(b.alignment);
        box.ForceNotVisible(b.noThumb);
        box.Text(b.text);
        for (int i = 0; i < b.wheelUp; ++i)
            host::ui::SendMessage(box.hWnd(), host::ui::WM_MOUSEWHEEL, host::ui::wheelWParam(120), 0);
        shown.push_back(&box);
    }

    host::gdi::DeviceContext frame(800, 600);
    host::ui::Compose(form, frame);
    toolkit_test::writeLook(frame.bitmap(), "toolkit_message_boxes.png");
    EXPECT_TRUE(shown[0]->thumbShown());
    EXPECT_EQ(shown[1]->scrollPosition(), shown[0]->scrollPosition() - 3);
    EXPECT_FALSE(shown[4]->thumbShown());
}

// The sliders of the settings screen and the quantity slider of the shop
// dialog over the scene: thumbs at the ends and inside, a hovered button
// with its outline, a refused change and a slider without a range.
TEST_F(LooksTest, RendersTheSliders) {
    toolkit_test::paintScene(screen.hDC().bitmap());
    using toolkit_test::RGB;
    host::gdi::DeviceContext buttons(40, 20);
    host::gdi::FillRect(buttons, {0, 0, 40, 20}, host::gdi::Brush{RGB(255, 255, 255)});
    for (int i = 0; i < 7; ++i) {
        host::gdi::FillRect(buttons, {5 + i, 10 - i, 6 + i, 10 + i}, host::gdi::Brush{RGB(40, 40, 160)});
        host::gdi::FillRect(buttons, {34 - i, 10 - i, 35 - i, 10 + i}, host::gdi::Brush{RGB(40, 40, 160)});
    }
    const auto mask = CreateMaskDC(buttons, 40, 20, RGB(255, 255, 255), buttons);
    host::gdi::DeviceContext thumb(15, 20);
    for (int y = 0; y < 20; ++y)
        host::gdi::FillRect(thumb, {0, y, 15, y + 1},
                            host::gdi::Brush{RGB(static_cast<std::uint8_t>(230 - 6 * y), 190, 120)});

    struct Row {
        bool settings;
        std::int32_t value;
        int hoverX;
        bool refuse;
        std::int32_t max;
    };
    const Row rows[] = {
        {.settings = true, .value = 0, .hoverX = -1, .refuse = false, .max = 100},
        {.settings = true, .value = 35, .hoverX = 290, .refuse = false, .max = 100},
        {.settings = true, .value = 100, .hoverX = 5, .refuse = false, .max = 100},
        {.settings = true, .value = 60, .hoverX = -1, .refuse = true, .max = 100},
        {.settings = false, .value = 7, .hoverX = -1, .refuse = false, .max = 12},
        {.settings = false, .value = 12, .hoverX = 150, .refuse = false, .max = 12},
        {.settings = false, .value = 5, .hoverX = -1, .refuse = false, .max = -1},
    };
    std::vector<ctrGraphicalSlider*> sliders;
    int y = 60;
    for (const Row& row : rows) {
        auto& slider = place<ctrGraphicalSlider>(screen, 250, y, 300, 20);
        if (row.settings) {
            slider.UpDown(true);
            slider.SliderWidth(15);
            slider.SliderImage(&thumb);
            slider.SetUpDownImage(&buttons, mask.get(), 40);
        } else {
            SliderSettings stored = SliderSettings::readDefaults();
            stored.TransColor = 1;
            stored.Max = row.max;
            slider.ReadProperties(stored);
        }
        slider.BackImageCopy(screen.hDC(), 250, y);
        if (row.refuse) {
            slider.Value(row.value);
            slider.ValueChange.subscribe([](std::int32_t&, bool& accept) { accept = false; });
            slider.Value(5);
        } else {
            slider.Value(row.value);
        }
        if (row.hoverX >= 0) slider.onMouseMove(0, 0, row.hoverX, 10);
        sliders.push_back(&slider);
        y += 60;
    }

    host::gdi::DeviceContext frame(800, 600);
    host::ui::Compose(form, frame);
    toolkit_test::writeLook(frame.bitmap(), "toolkit_sliders.png");
    EXPECT_EQ(sliders[3]->Value(), 60);
    EXPECT_EQ(sliders[1]->zone(), ctrGraphicalSlider::RightButton);
}

} // namespace
