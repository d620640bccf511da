#include "unit_game.h"

#include "host/runtime/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using unittest::kFirstLine;
using unittest::kItem;
using unittest::kQuest;
using unittest::UnitGame;

class UnitPresetTest : public UnitGame {
  protected:
    const clsUnitData* questTeam(const std::string& quest) {
        for (const clsUnitData& team : managers(data()).students().GetQuestData())
            if (team.QuestName() == quest) return &team;
        return nullptr;
    }
    std::vector<std::string> members(const clsUnitData& unit) {
        std::vector<std::string> names;
        for (std::int16_t n = 1; n <= 5; ++n)
            names.push_back(unit.Lines(n));
        return names;
    }
    std::vector<std::string> firstFive() { return {kNames[0], kNames[1], kNames[2], kNames[3], kNames[4]}; }
    // Five members on another line with the item, saved into preset 3.
    void saveThird() {
        placeFive();
        click("GLUnitLine");
        pick(otherLine());
        click("GLUnitItem");
        pick(kItem);
        click("GLUnitLoadSave", 7);
    }
};

TEST_F(UnitPresetTest, SavingAndLoadingAPresetGivesBackTheUnitAcrossOpenings) {
    managers(data()).items().ItemAdd(kItem, 1);
    openExport();
    for (int k = 0; k < 5; ++k)
        EXPECT_FALSE(button("GLUnitLoadSave", k).Enable()) << "no preset yet";
    saveThird();
    EXPECT_TRUE(button("GLUnitLoadSave", 2).Enable()) << "L3 at once";
    const std::string line = formation();
    moveAway();
    hover("GLUnitLoadSave", 2);
    const std::string tip = message();
    moveAway();
    hover("GLUnitLoadSave", 7);
    EXPECT_EQ(message(), tip) << "L3 and S3 tell the same preset";
    EXPECT_NE(tip.find(kNames[0]), std::string::npos);
    click("GLUnitCommand", 0);
    EXPECT_EQ(managers(data()).students().GetQuestData().count(), 0);

    openExport();
    EXPECT_EQ(formation(), kFirstLine) << "each opening starts afresh";
    EXPECT_EQ(slots(), (std::vector<std::string>(5, "")));
    click("GLUnitLoadSave", 2);
    EXPECT_EQ(formation(), line);
    EXPECT_EQ(slots(), firstFive());
    EXPECT_EQ(button("GLUnitItemData").Text(), kItem);
    EXPECT_TRUE(button("GLUnitCommand", 1).Enable());
    EXPECT_EQ(message().find("外したもの"), std::string::npos) << "nothing was left out";

    // A unit with empty slots saves them empty.
    rightClick("GLUnitNumber", 1);
    click("GLUnitLoadSave", 5);
    click("GLUnitLoadSave", 0);
    EXPECT_EQ(slot(1), "");
    EXPECT_FALSE(button("GLUnitCommand", 1).Enable());
}

TEST_F(UnitPresetTest, LoadingLeavesOutWhatCannotComeAndSaysWhat) {
    managers(data()).items().ItemAdd(kItem, 1);
    openExport();
    saveThird();
    click("GLUnitCommand", 0);

    student(kNames[1]).Injury(2);
    clsUnitData other;
    other.QuestName(kQuest);
    other.Lines(1, kNames[3]);
    other.ItemName(kItem);
    data().SetQuest(other); // the item's one piece and kNames[3] go with it
    openExport();
    click("GLUnitLoadSave", 2);

    EXPECT_EQ(slots(), (std::vector<std::string>{kNames[0], "", kNames[2], "", kNames[4]}));
    EXPECT_EQ(button("GLUnitItemData").Text(), "") << "the item's only piece is on a quest";
    const std::vector<std::string> lines = host::runtime::Split(message(), "\r\n");
    const auto shows = [&](const std::string& text) {
        for (const std::string& line : lines)
            if (line == text) return true;
        return false;
    };
    EXPECT_TRUE(shows("外したもの:"));
    EXPECT_TRUE(shows("2番の" + std::string(kNames[1]) + "は怪我です"));
    EXPECT_TRUE(shows("4番の" + std::string(kNames[3]) + "は別の依頼メンバーになっています"));
    EXPECT_TRUE(shows(std::string(kItem) + "は持って行けません"));
    EXPECT_FALSE(button("GLUnitCommand", 1).Enable());
}

TEST_F(UnitPresetTest, AQuestLoadLeavesOutTheTooWeakWhomAnExportLoadTakes) {
    openExport();
    placeFive();
    click("GLUnitLoadSave", 5);
    click("GLUnitCommand", 0);
    std::int16_t strongest = 0;
    for (const char* name : kNames)
        strongest = std::max(strongest, student(name).Physical());
    const std::int16_t need = static_cast<std::int16_t>(strongest + 1);
    student(kNames[0]).Physical(need);

    openQuest(kQuest, need);
    EXPECT_EQ(grid().Rows(), 0) << "only the strong enough are listed";
    EXPECT_EQ(grid().GetData(0, 1), kNames[0]);
    click("GLUnitLoadSave", 0);
    EXPECT_EQ(slots(), (std::vector<std::string>{kNames[0], "", "", "", ""}));
    click("GLUnitCommand", 0);

    openExport();
    click("GLUnitLoadSave", 0);
    EXPECT_EQ(slots(), firstFive());
}

TEST_F(UnitPresetTest, TheQuestModeRegistersTheTeamAndTheExportModeNever) {
    managers(data()).items().ItemAdd(kItem, 1);
    setDate("25:5:7");
    openExport();
    placeFive();
    click("GLUnitCommand", 1);
    EXPECT_EQ(managers(data()).students().GetQuestData().count(), 0);
    EXPECT_TRUE(control("picOutput").Visible());
    click("GLOutputCancel");
    click("GLUnitCommand", 0);

    click("GLSchool", 7);
    ASSERT_EQ(data().GetMenu().name(), "依頼");
    openQuest(kQuest, 0);
    ASSERT_TRUE(button("GLUnitItem").Enable());
    placeFive();
    click("GLUnitItem");
    pick(kItem);
    click("GLUnitCommand", 1);

    const clsUnitData* team = questTeam(kQuest);
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(members(*team), firstFive());
    EXPECT_EQ(team->LineName(), kFirstLine);
    EXPECT_EQ(team->ItemName(), kItem);
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_FALSE(control("picUnit").Enabled());
    EXPECT_EQ(slots(), (std::vector<std::string>(5, "")));
    auto& list = control<ctrGraphicalGridVer2>("GGSchool");
    for (std::int16_t r = 0; r <= list.Rows(); ++r)
        EXPECT_NE(list.GetData(r, 1), kQuest) << "the quest has its team";
    EXPECT_FALSE(button("GLContract").Enable());

    // Until the quest's day its members and its item are taken.
    click("GLReturnSchool");
    openExport();
    EXPECT_EQ(grid().Rows(), 0);
    EXPECT_EQ(grid().GetData(0, 1), kNames[5]);
    click("GLUnitItem");
    EXPECT_TRUE(offered().empty()) << "the item's only piece goes on the quest";
    click("GLMSGCancel");
}

} // namespace
