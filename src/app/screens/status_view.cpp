#include "app/screens/status_view.h"

#include <string>

namespace status_view {

namespace {

// White text.
constexpr std::int32_t kTextColour = 3;

} // namespace

void placeStatusView(ctrGraphicalViewVer2& view, host::ui::PictureBox& screen) {
    view.TextColor(kTextColour);
    view.FrameColor(1);
    view.TransColor(4);
    view.TR(50);
    view.Frame(true);
    view.Translucent(true);
    view.FontSize(14);
    view.FontBold(false);
    view.Move(5, 5, view.Width(), view.Height());
    view.HeaderHeight(1, 30);
    view.AddHeader(1, 1, 2, 240, "date", "王国暦1999年4月1日(日)");
    view.AddHeader(1, 2, 3, 150, "money", "資金99999100∈");
    view.AddHeader(1, 3, 3, 110, "point", "99910王国pt");
    view.AddHeader(1, 4, 2, 70, "rank", "Gランク");
    view.AddHeader(1, 5, 1, 220, "construct", "建設:トレーニング室(120)");
    view.SetBackImage(screen.hDC(), 5, 5);
    view.RePaint();
}

void showStatus(ctrGraphicalViewVer2& view, const clsData& data) {
    const clsDateDetails d = data.GetDate();
    view.Text("date", "王国暦" + std::to_string(d.Year) + "年" + std::to_string(d.Month) + "月" +
                          std::to_string(d.Day) + "日(" + d.DayofWeek + ")");
    view.Text("money", "資金" + std::to_string(data.GetMoney()) + "∈");
    view.Text("point", std::to_string(data.GetKingdomPoint()) + "王国pt");
    view.Text("construct", data.GetConstruct());
    view.Text("rank", data.GetRank() + "ランク");
    view.RePaint();
}

} // namespace status_view
