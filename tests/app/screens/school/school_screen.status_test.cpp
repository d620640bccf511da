#include "school_game.h"
#include "students/abilities.h"
#include "support/facade_managers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using schooltest::SchoolGame;

class SchoolStatusTest : public SchoolGame {
  protected:
    ctrGraphicalViewVer2& panel() { return control<ctrGraphicalViewVer2>("GVSchool"); }
    void setMoney(std::int32_t money) {
        managers(data()).system().SubMoney(data().GetMoney());
        managers(data()).system().AddMoney(money);
    }
};

TEST_F(SchoolStatusTest, TheStatusPanelShowsTheFacadesValues) {
    struct StatusCase {
        std::string date;
        std::int32_t money;
        std::string dateCell;
        std::string moneyCell;
    };
    const std::vector<StatusCase> cases = {
        {"25:4:1", 1500, "王国暦25年4月1日(日)", "資金1500∈"},
        {"26:12:28", 0, "王国暦26年12月28日(土)", "資金0∈"},
        {"25:5:2", 99999100, "王国暦25年5月2日(月)", "資金99999100∈"},
    };
    for (const StatusCase& c : cases) {
        data().SetDate(c.date);
        setMoney(c.money);
        main->RefreshStatusView();
        EXPECT_EQ(panel().Text("date"), c.dateCell);
        EXPECT_EQ(panel().Text("money"), c.moneyCell);
        EXPECT_EQ(panel().Text("point"), std::to_string(data().GetKingdomPoint()) + "王国pt");
        EXPECT_EQ(panel().Text("rank"), "Gランク");
        EXPECT_EQ(panel().Text("construct"), "建設:なし");
    }
}

TEST_F(SchoolStatusTest, ANewGameShowsItsOwnStatusNotThePlaceholders) {
    const clsDateDetails d = data().GetDate();
    EXPECT_EQ(panel().Text("date"), "王国暦" + std::to_string(d.Year) + "年" + std::to_string(d.Month) +
                                        "月" + std::to_string(d.Day) + "日(" + d.DayofWeek + ")");
    EXPECT_EQ(panel().Text("money"), "資金" + std::to_string(data().GetMoney()) + "∈");
}

} // namespace

namespace {

using schooltest::SchoolGame;

// The list's row hover shows the gauges; here they are shown as it would.
TEST_F(SchoolGame, AGaugeClickSwitchesTheListsAbilityColumnAndStaysChosen) {
    enrol("アリス");
    enrol("ボブ");
    click("GLSchool", 1);
    auto& grid = control<ctrGraphicalGridVer2>("GGSchool");
    ASSERT_EQ(grid.Rows(), 1);
    for (int i = 0; i < ability::kCount; ++i)
        control<GraphicalGraph>("GParam", i).setVisible(true);

    struct GaugeCase {
        int gauge;
        int chosenAfter;
        int valuesOf; // the ability the column shows afterwards
    };
    const std::vector<GaugeCase> cases = {{3, 3, 3}, {3, 3, 3}, {15, 15, 15}, {0, 0, 0}};
    for (const GaugeCase& c : cases) {
        click("GParam", c.gauge);
        for (int i = 0; i < ability::kCount; ++i)
            EXPECT_EQ(control<GraphicalGraph>("GParam", i).Selected(), i == c.chosenAfter)
                << "after gauge " << c.gauge << ": gauge " << i;
        const auto values = data().GetAbilityNumber(static_cast<std::int16_t>(c.valuesOf));
        ASSERT_TRUE(values);
        for (std::int16_t r = 0; r <= grid.Rows(); ++r)
            EXPECT_EQ(grid.GetData(r, 8), values->item(grid.GetData(r, 1)).Data(1))
                << "after gauge " << c.gauge << ": row " << r;
    }
}

} // namespace
