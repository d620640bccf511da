#include "students/roster/cls_mng_student.h"
#include "students/abilities.h"

#include "students/mng_student_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using studentstest::loadLists;
using studentstest::studentLine;
using studentstest::studentOf;
using studentstest::StudentShape;
using testsupport::errorOf;

namespace {

StudentShape member(std::string name, int physical = 100, int injury = 0) {
    StudentShape s;
    s.name = std::move(name);
    s.physical = physical;
    s.injury = injury;
    return s;
}

clsUnitData questTeam(const std::string& quest, const std::vector<std::string>& names) {
    clsUnitData team;
    team.QuestName(quest);
    for (std::size_t i = 0; i < names.size(); ++i)
        team.Lines(static_cast<std::int16_t>(i + 1), names[i]);
    return team;
}

class Teams : public ::testing::Test {
  protected:
    void roster(const std::vector<StudentShape>& shapes) {
        std::vector<std::string> lines;
        for (const auto& s : shapes)
            lines.push_back(studentLine(s));
        loadLists(manager, lines);
    }

    // Saved slot 0: the formation, the members at positions 1.. and the item.
    void saveSlot(const std::string& formation, const std::vector<std::string>& names,
                  const std::string& item) {
        manager.UnitSaveLineName(0, formation);
        for (std::size_t i = 0; i < names.size(); ++i)
            manager.UnitSave(0, static_cast<std::int16_t>(i + 1), names[i]);
        manager.UnitSaveItem(0, item);
    }

    ScopedSilentServices silent;
    clsMngStudent manager;
};

} // namespace

TEST_F(Teams, FiveEligibleStudentsAreNeededForATeam) {
    const std::vector<StudentShape> fiveFit = {member("アキ"), member("ハル"), member("ナツ"), member("フユ"),
                                               member("ユキ")};
    auto with = [&](std::vector<StudentShape> extra) {
        auto all = fiveFit;
        all.pop_back();
        all.insert(all.end(), extra.begin(), extra.end());
        return all;
    };
    struct {
        const char* name;
        std::vector<StudentShape> students;
        std::vector<std::string> questMembers;
        bool want;
    } cases[] = {
        {"five fit students", fiveFit, {}, true},
        {"four fit students", with({}), {}, false},
        {"the fifth is injured", with({member("ユキ", 100, 3)}), {}, false},
        {"the fifth is short of physical strength", with({member("ユキ", 49)}), {}, false},
        {"the fifth has just enough", with({member("ユキ", 50)}), {}, true},
        {"the fifth is in a quest team", fiveFit, {"ユキ"}, false},
        {"a sixth makes up for the quest member", with({member("ユキ"), member("ミナ")}), {"ユキ"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        roster(c.students);
        manager.SetQuestClear();
        if (!c.questMembers.empty()) manager.SetQuest(questTeam("薬草採取", c.questMembers));
        EXPECT_EQ(manager.CheckEnableUnitMember(50), c.want);
    }
}

TEST_F(Teams, LoadingASavedSlotDropsMembersWhoCannotJoin) {
    roster({member("ハル", 100, 2), member("ナツ"), member("フユ", 49), member("ユキ", 50)});
    manager.SetQuest(questTeam("薬草採取", {"ナツ"}));
    saveSlot("鶴翼", {"アキ", "ハル", "ナツ", "フユ", "ユキ"}, "");
    struct {
        std::int16_t position;
        const char* why;
        std::string want;
    } cases[] = {
        {1, "graduated or withdrawn", ""},  {2, "injured", ""},      {3, "in a quest team", ""},
        {4, "below the physical need", ""}, {5, "may join", "ユキ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(manager.UnitLoadMember(0, c.position, 50), c.want) << c.why;
    EXPECT_EQ(manager.UnitLoadMember(0, 6, 50), "");
    EXPECT_EQ(manager.UnitLoadMember(5, 5, 50), "");
}

TEST_F(Teams, SlotNumbersOutsideZeroToFourReadEmptyAndWriteNothing) {
    for (std::int16_t slot : {-1, 5, 7}) {
        manager.UnitSaveLineName(slot, "鶴翼");
        manager.UnitSaveItem(slot, "回復薬");
        manager.UnitSave(slot, 1, "アキ");
    }
    const std::string before = manager.GetSaveData();
    clsMngStudent fresh;
    EXPECT_EQ(before, fresh.GetSaveData());
    for (std::int16_t slot : {-1, 5, 7}) {
        EXPECT_FALSE(manager.CheckLoadData(slot)) << slot;
        EXPECT_EQ(manager.UnitLoadItem(slot), "") << slot;
        EXPECT_EQ(manager.UnitLoadLineName(slot), "") << slot;
    }

    EXPECT_FALSE(manager.CheckLoadData(4));
    manager.UnitSaveItem(4, "回復薬");
    EXPECT_FALSE(manager.CheckLoadData(4)) << "an item alone is no saved team";
    manager.UnitSaveLineName(4, "鶴翼");
    EXPECT_TRUE(manager.CheckLoadData(4));
    EXPECT_EQ(manager.UnitLoadLineName(4), "鶴翼");
    EXPECT_EQ(manager.UnitLoadItem(4), "回復薬");
}

TEST_F(Teams, SavedSlotTips) {
    EXPECT_EQ(manager.GetUnitLoadSaveTips(0, 50), "登録されていません");

    saveSlot("鶴翼", {}, "");
    EXPECT_EQ(manager.GetUnitLoadSaveTips(0, 50), "陣形名:鶴翼\r\n"
                                                  "1番は登録されていません\r\n"
                                                  "2番は登録されていません\r\n"
                                                  "3番は登録されていません\r\n"
                                                  "4番は登録されていません\r\n"
                                                  "5番は登録されていません\r\n"
                                                  "アイテム:");

    // ナツ is in a quest team and injured: the quest team is named first.
    roster({member("ハル", 100, 2), member("ナツ", 100, 4), member("フユ", 49), member("ユキ", 50)});
    manager.SetQuest(questTeam("薬草採取", {"ナツ"}));
    saveSlot("魚鱗", {"アキ", "ハル", "ナツ", "フユ", "ユキ"}, "回復薬");
    EXPECT_EQ(manager.GetUnitLoadSaveTips(0, 50), "陣形名:魚鱗\r\n"
                                                  "1番のアキは存在しません\r\n"
                                                  "2番のハルは怪我です\r\n"
                                                  "3番のナツは別の依頼メンバーになっています\r\n"
                                                  "4番のフユは体力が足りません\r\n"
                                                  "5番のユキはメンバーに登録できます\r\n"
                                                  "アイテム:回復薬");

    for (std::int16_t index : {-1, 5})
        EXPECT_EQ(errorOf([&] { manager.GetUnitLoadSaveTips(index, 50); }), ErrorNumber::SubscriptOutOfRange)
            << index;
}

TEST_F(Teams, LineDataHandsOverTheTeamsStudentsInPositionOrder) {
    roster({member("アキ"), member("ハル"), member("ナツ")});
    clsUnitData team;
    team.Lines(1, "ナツ");
    team.Lines(3, "アキ");
    team.Lines(5, "ハル");

    const auto members = manager.GetUnitLineData(team);

    ASSERT_EQ(members.count(), 3);
    const char* order[] = {"ナツ", "アキ", "ハル"};
    for (long i = 1; i <= 3; ++i) {
        EXPECT_EQ(members.keyAt(i), order[i - 1]);
        EXPECT_EQ(members.item(i)->Name(), order[i - 1]);
        EXPECT_EQ(members.item(i), &studentOf(manager, order[i - 1]));
    }

    team.Lines(2, "ミナ");
    EXPECT_EQ(errorOf([&] { manager.GetUnitLineData(team); }), ErrorNumber::InvalidCall);
}

TEST_F(Teams, EligibleStudentRowsCarryTheBattleAbilities) {
    StudentShape aki = member("アキ", 80);
    aki.age = 16;
    aki.schoolYear = 2;
    aki.condition = 3;
    aki.dissatisfaction = 40;
    for (int n = 1; n <= ability::kCount; ++n)
        aki.abilities.push_back({1, n, static_cast<std::int16_t>(n * 2)});
    roster({member("ハル", 100, 1), aki, member("ナツ", 10), member("フユ")});

    const auto rows = manager.GetEnableUnitMember(50);

    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.keyAt(1), "");
    const clsGetGridData& row = rows.item(1);
    EXPECT_EQ(row.Cols(), 18);
    const std::vector<std::string> want = {"0",  "アキ", "16", "2",  "2",  "4",  "6",  "8", "10", "12",
                                           "22", "24",   "26", "28", "30", "32", "34", "3", "2"};
    for (std::int16_t cell = 0; cell <= 18; ++cell)
        EXPECT_EQ(row.Data(cell), want[static_cast<std::size_t>(cell)]) << "cell " << cell;
    EXPECT_EQ(rows.item(2).Data(1), "フユ");
}

TEST_F(Teams, BattleSkillTips) {
    constexpr auto skills = [](std::initializer_list<int> numbers) {
        int bits = 0;
        for (int n : numbers)
            bits |= 1 << (n - 1);
        return bits;
    };
    struct {
        std::initializer_list<int> held;
        std::string want;
    } cases[] = {
        {{7, 11}, "以下のスキルを持っています\r\n強心臓\r\nノミの心臓"},
        {{11, 10, 1, 7, 2}, "以下のスキルを持っています\r\nカリスマ\r\n強心臓\r\nお祭り男\r\nノミの心臓"},
        {{2, 3, 4}, "特にスキルは持っていません"},
        {{}, "特にスキルは持っていません"},
    };
    for (const auto& c : cases) {
        StudentShape s = member("アキ");
        s.skills = skills(c.held);
        roster({s});
        EXPECT_EQ(manager.GetBattleSkillTips("アキ"), c.want) << s.skills;
    }
    EXPECT_EQ(manager.GetBattleSkillTips(""), "");
    EXPECT_EQ(errorOf([&] { manager.GetBattleSkillTips("ミナ"); }), ErrorNumber::InvalidCall);
}
