#include "school_game.h"
#include "students/abilities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using schooltest::SchoolGame;

// A Saturday in April: every main-menu item is open once a student is enrolled.
constexpr const char* kSaturday = "25:4:7";

struct MenuItemCase {
    int index;
    std::string menu;
    std::vector<std::string> commands; // the shown sub-commands, in order
    bool contractShown;
    std::string contractCaption;
    bool expectRows;
    std::string look;
};

const std::vector<MenuItemCase> kMenuItems = {
    {1, "生徒を見る", {"アイテムを使う", "進路指導"}, false, "", true, "school_students.png"},
    {2, "教師を見る", {"契約解除", "ボーナス"}, false, "", true, "school_teachers.png"},
    {3,
     "学園データ",
     {"アイテム", "スポンサー", "スカウト", "モンスター", "卒業生"},
     false,
     "",
     false,
     "school_school_data.png"},
    {4, "建物データ", {"学園", "校舎", "寮"}, false, "アイテムを設置", false, "school_building_data.png"},
    {5, "契約", {"スカウト", "教師"}, true, "契約する", false, "school_contract.png"},
    {6, "アルバイト", {}, true, "アルバイトをする", true, "school_arbeit.png"},
    {7, "依頼", {}, true, "依頼を受ける", true, "school_quest.png"},
};

class SchoolMenuTest : public SchoolGame {
  protected:
    std::vector<std::string> shownCommands() {
        std::vector<std::string> shown;
        for (int i = 0; i < 5; ++i)
            if (button("GLCommand", i).Visible()) shown.push_back(button("GLCommand", i).Text());
        return shown;
    }
    void expectMainMenu(const std::string& after) {
        EXPECT_EQ(data().GetMenu(), menu_key::kAcademy) << after;
        EXPECT_EQ(button("GLSchoolMenu").Text(), "ミルトナ騎士団") << after;
        for (int i = 0; i < 9; ++i)
            EXPECT_TRUE(button("GLSchool", i).Visible()) << after << " GLSchool " << i;
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(button("GLDate", i).Visible()) << after << " GLDate " << i;
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(button("GLSystem", i).Visible()) << after << " GLSystem " << i;
        EXPECT_TRUE(shownCommands().empty()) << after;
        EXPECT_FALSE(button("GLContract").Visible()) << after;
        EXPECT_FALSE(button("GLReturnSchool").Visible()) << after;
        EXPECT_FALSE(control("GGSchool").Visible()) << after;
        EXPECT_EQ(control<ctrGraphicalMSG>("GMSGSchool").Text(), "何をしますか") << after;
    }
};

TEST_F(SchoolMenuTest, ANewGameOpensOnTheMainMenu) {
    expectMainMenu("new game");
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_EQ(frontScreen(), &picSchool()) << "the school screen is in front";
    EXPECT_FALSE(button("GLSchool", 0).Enable()) << "no student to teach yet";
    writeLook("school_main_menu.png");
}

TEST_F(SchoolMenuTest, EveryMenuItemOpensWithItsCaptionsCommandsAndRowsAndBackReturns) {
    enrol("アリス");
    enrol("ボブ");
    setDate(kSaturday);
    for (const MenuItemCase& item : kMenuItems) {
        ASSERT_TRUE(button("GLSchool", item.index).Enable()) << item.menu;
        click("GLSchool", item.index);

        EXPECT_EQ(data().GetMenu().name(), item.menu);
        EXPECT_EQ(button("GLSchoolMenu").Text(), item.menu);
        for (int i = 0; i < 9; ++i)
            EXPECT_FALSE(button("GLSchool", i).Visible()) << item.menu;
        for (int i = 0; i < 4; ++i)
            EXPECT_FALSE(button("GLDate", i).Visible()) << item.menu;
        EXPECT_EQ(shownCommands(), item.commands) << item.menu;
        EXPECT_EQ(button("GLContract").Visible(), item.contractShown) << item.menu;
        // A hidden button without a caption of its own keeps the last one.
        if (!item.contractCaption.empty()) {
            EXPECT_EQ(button("GLContract").Text(), item.contractCaption) << item.menu;
        }
        if (item.contractShown) {
            EXPECT_FALSE(button("GLContract").Enable()) << item.menu;
        }
        EXPECT_TRUE(button("GLReturnSchool").Visible()) << item.menu;

        // The grid holds the facade's rows, cell for cell, in their order.
        auto& grid = control<ctrGraphicalGridVer2>("GGSchool");
        const auto rows = data().GetGridData("");
        const long count = item.expectRows && rows ? rows->count() : 0;
        EXPECT_EQ(grid.Visible(), item.expectRows) << item.menu;
        if (item.expectRows) {
            ASSERT_GT(count, 0) << item.menu;
            ASSERT_EQ(grid.Rows(), count - 1) << item.menu;
            for (long r = 0; r < count; ++r) {
                const clsGetGridData& row = rows->item(r + 1);
                for (std::int16_t c = 0; c <= row.Cols(); ++c)
                    EXPECT_EQ(grid.GetData(static_cast<std::int16_t>(r), c), row.Data(c))
                        << item.menu << " row " << r << " cell " << c;
            }
        }
        writeLook(item.look);

        click("GLReturnSchool");
        expectMainMenu("back from " + item.menu);
    }
}

TEST_F(SchoolMenuTest, PersonListsStartWithTheFirstAbilityChosenAndAllGaugesHidden) {
    enrol("アリス");
    setDate(kSaturday);
    for (int item : {1, 2, 5}) {
        click("GLSchool", item);
        for (int i = 0; i < ability::kCount; ++i) {
            const auto& gauge = control<GraphicalGraph>("GParam", i);
            EXPECT_FALSE(gauge.Visible()) << item << " gauge " << i;
            EXPECT_EQ(gauge.Selected(), i == 0) << item << " gauge " << i;
        }
        click("GLReturnSchool");
    }
}

TEST_F(SchoolMenuTest, GaugeCaptionsAndScalesFollowTheAbilities) {
    struct GaugeCase {
        int index;
        std::string caption;
        std::int16_t max;
    };
    const std::vector<GaugeCase> cases = {
        {0, "体力", 100}, {4, "意思", 100}, {13, "馬術", 100}, {14, "攻撃陣形", 25}, {16, "奇襲陣形", 25}};
    for (const GaugeCase& c : cases) {
        const auto& gauge = control<GraphicalGraph>("GParam", c.index);
        EXPECT_EQ(gauge.Text(), c.caption);
        EXPECT_EQ(gauge.Max(), c.max) << c.caption;
        EXPECT_EQ(gauge.Left(), (c.index / 6) * 150 + 50) << c.caption;
        EXPECT_EQ(gauge.Top(), (c.index % 6) * 30 + 360) << c.caption;
    }
}

} // namespace
