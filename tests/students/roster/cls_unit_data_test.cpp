#include "students/roster/cls_unit_data.h"

#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

namespace {

clsUnitData fullTeam() {
    clsUnitData team;
    const char* members[] = {"アキ", "ハル", "ナツ", "フユ", "ユキ"};
    for (std::int16_t p = 1; p <= 5; ++p)
        team.Lines(p, members[p - 1]);
    team.LineName("鶴翼");
    team.QuestName("薬草採取");
    team.ItemName("回復薬");
    return team;
}

} // namespace

TEST(UnitData, SaveTextRoundTrips) {
    struct {
        clsUnitData team;
        std::string text;
    } cases[] = {
        {clsUnitData{}, ":::::::"},
        {fullTeam(), "アキ:ハル:ナツ:フユ:ユキ:鶴翼:薬草採取:回復薬"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.team.GetSaveData(), c.text);
        clsUnitData loaded = fullTeam();
        loaded.SetSaveData(c.text);
        EXPECT_EQ(loaded.GetSaveData(), c.text);
    }
}

TEST(UnitData, SavedTeamWithoutItemEndsInTwoSeparators) {
    clsUnitData team = fullTeam();
    team.QuestName("");
    team.ItemName("");
    EXPECT_EQ(team.GetSaveData(), "アキ:ハル:ナツ:フユ:ユキ:鶴翼::");
}

TEST(UnitData, LoadingWidensHalfWidthNames) {
    clsUnitData team;
    team.SetSaveData("ｶﾞｸ:::::ｶｸﾖｸ:ﾔｸｿｳ:ﾎﾟｰｼｮﾝ");
    EXPECT_EQ(team.Lines(1), "ガク");
    EXPECT_EQ(team.LineName(), "カクヨク");
    EXPECT_EQ(team.QuestName(), "ヤクソウ");
    EXPECT_EQ(team.ItemName(), "ポーション");
}

TEST(UnitData, PositionsOutsideOneToFiveReadEmptyAndIgnoreWrites) {
    clsUnitData team = fullTeam();
    const std::string before = team.GetSaveData();
    for (std::int16_t p : {0, 6, -1}) {
        team.Lines(p, "誰か");
        EXPECT_EQ(team.Lines(p), "") << p;
    }
    EXPECT_EQ(team.GetSaveData(), before);
}

TEST(UnitData, ClearKeepsTheQuest) {
    clsUnitData team = fullTeam();
    team.Clear();
    EXPECT_EQ(team.GetSaveData(), "::::::薬草採取:");
}

TEST(UnitData, ShortTextFailsAndChangesNothing) {
    for (const char* text : {"", "a:b:c:d:e:f:g", "1:2"}) {
        clsUnitData team = fullTeam();
        try {
            team.SetSaveData(text);
            ADD_FAILURE() << text;
        } catch (const host::runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), host::runtime::ErrorNumber::SubscriptOutOfRange);
        }
        EXPECT_EQ(team.GetSaveData(), fullTeam().GetSaveData()) << text;
    }
}
