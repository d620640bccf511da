#include "state/cls_data.h"

#include "host/runtime/runtime_error.h"
#include "state/state_support.h"
#include "students/newcomers/cls_create_student_data.h"
#include "students/student/cls_student.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using statetest::LoadedFacade;

constexpr const char* kFormation = "突破陣";
// A battle item serving every formation type that raises the unit's physical strength.
constexpr const char* kItem = "命の首飾り";
constexpr const char* kOtherItem = "俊足のブーツ";
constexpr const char* kTournament = "青葉の王国大会";
constexpr const char* kQuest = "スライム退治";
constexpr std::int16_t kJune = 6;

// A new game made by the facade with six students on the roster.
struct Roster : LoadedFacade {
    static constexpr std::array<const char*, 6> kNames = {"試験一郎", "試験二郎", "試験三郎",
                                                          "試験四郎", "試験五郎", "試験六郎"};
    Roster() {
        data.SetDataInit();
        data.TestPlay();
        for (const char* name : kNames) {
            clsCreateStudentData student;
            student.StudentName(name);
            managers(data).students().CreateStudent(student);
            managers(data).students().SetNewStudent(name);
        }
    }
    clsStudent& student(const std::string& name) {
        clsStudent* found = nullptr;
        if (!managers(data).students().GetStudent(name, found))
            throw std::runtime_error("no student " + name);
        return *found;
    }
    // The first five students on the positions of the formation.
    clsUnitData unit() const {
        clsUnitData u;
        for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n)
            u.Lines(n, kNames[static_cast<std::size_t>(n - 1)]);
        u.LineName(kFormation);
        return u;
    }
    void saveSlot(std::int16_t slot, const std::string& item) {
        data.SetUnitLineName(slot, kFormation);
        for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n)
            data.SetUnitSave(slot, n, kNames[static_cast<std::size_t>(n - 1)]);
        data.SetUnitItem(slot, item);
    }
    // A unit without members sent out on the request, carrying the item.
    void sendOut(const std::string& quest, const std::string& item) {
        clsUnitData carrier;
        carrier.QuestName(quest);
        carrier.ItemName(item);
        data.SetQuest(carrier);
    }
    // The school rank raised one step a year by two tournaments won.
    void raiseRank(std::int16_t rank) {
        for (std::int16_t year = 0; year < rank; ++year) {
            managers(data).system().AddBattlePoint(1);
            managers(data).system().AddBattlePoint(1);
            managers(data).system().EvaluateSchoolRank();
        }
    }
};

// Whether a row names the student or item in cell 1.
bool lists(const host::runtime::Collection<clsGetGridData>& rows, const std::string& name) {
    for (const clsGetGridData& row : rows)
        if (row.Data(1) == name) return true;
    return false;
}

TEST(FacadeUnitSlots, ASavedSlotLoadsBackWhileItsMembersMayJoinAndItsItemIsHeld) {
    Roster game;
    clsData& data = game.data;
    managers(data).items().ItemAdd(kItem, 1);
    game.saveSlot(2, kItem);

    for (std::int16_t slot = 0; slot <= 4; ++slot)
        EXPECT_EQ(data.GetCheckLoadData(slot), slot == 2) << slot;
    EXPECT_EQ(data.GetUnitLoadLineName(2), kFormation);
    for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n)
        EXPECT_EQ(data.GetUnitLoadMember(2, n, 0), Roster::kNames[static_cast<std::size_t>(n - 1)]);
    EXPECT_EQ(data.GetUnitLoadMember(2, 6, 0), "");
    EXPECT_EQ(data.GetUnitLoadItem(2), kItem);
    const std::string tips = data.GetUnitLoadSaveTips(2, 0);
    EXPECT_NE(tips.find(kFormation), std::string::npos);
    EXPECT_NE(tips.find(std::string("アイテム:") + kItem), std::string::npos);
    EXPECT_EQ(data.GetUnitLoadLineName(1), "");
    EXPECT_EQ(data.GetUnitLoadItem(1), "");
}

TEST(FacadeUnitSlots, AMemberWhoMayNoLongerJoinLoadsEmptyAndTheOthersStay) {
    struct Case {
        const char* name;
        std::function<std::int16_t(Roster&)> stage; // answers the needed strength
    };
    const Case cases[] = {
        {.name = "injured",
         .stage =
             [](Roster& g) {
                 g.student(Roster::kNames[2]).Injury(3);
                 return std::int16_t{0};
             }},
        {.name = "too weak",
         .stage =
             [](Roster& g) {
                 // Everyone else is stronger than the needed strength.
                 std::int16_t weakest = g.student(Roster::kNames[0]).Physical();
                 for (const char* n : Roster::kNames)
                     weakest = std::min(weakest, g.student(n).Physical());
                 for (const char* n : Roster::kNames)
                     g.student(n).Physical(static_cast<std::int16_t>(weakest + 10));
                 g.student(Roster::kNames[2]).Physical(weakest);
                 return static_cast<std::int16_t>(weakest + 1);
             }},
        {.name = "in a unit sent out",
         .stage =
             [](Roster& g) {
                 clsUnitData out;
                 out.QuestName(kQuest);
                 out.Lines(1, Roster::kNames[2]);
                 g.data.SetQuest(out);
                 return std::int16_t{0};
             }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Roster game;
        clsData& data = game.data;
        game.saveSlot(0, "");
        const std::int16_t need = c.stage(game);

        for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n)
            EXPECT_EQ(data.GetUnitLoadMember(0, n, need),
                      n == 3 ? "" : Roster::kNames[static_cast<std::size_t>(n - 1)])
                << n;
        EXPECT_EQ(data.GetUnitLoadLineName(0), kFormation);
        EXPECT_TRUE(data.GetCheckLoadData(0));
        EXPECT_FALSE(lists(data.GetEnableUnitMember(need), Roster::kNames[2]));
    }
}

TEST(FacadeUnitSlots, TheSavedItemLoadsOnlyWhileAHeldPieceOfItIsFree) {
    struct Case {
        const char* name;
        const char* saved;
        std::int16_t held;
        std::int16_t sold;
        const char* loaded;
        // Pieces given to quest teams already.
        std::int16_t carried = 0;
    };
    const Case cases[] = {
        {.name = "held", .saved = kItem, .held = 1, .sold = 0, .loaded = kItem},
        {.name = "one of two sold", .saved = kItem, .held = 2, .sold = 1, .loaded = kItem},
        {.name = "sold", .saved = kItem, .held = 1, .sold = 1, .loaded = ""},
        {.name = "never held", .saved = kItem, .held = 0, .sold = 0, .loaded = ""},
        {.name = "no item saved", .saved = "", .held = 1, .sold = 0, .loaded = ""},
        {.name = "the one piece carried by a quest team",
         .saved = kItem,
         .held = 1,
         .sold = 0,
         .loaded = "",
         .carried = 1},
        {.name = "one of two carried", .saved = kItem, .held = 2, .sold = 0, .loaded = kItem, .carried = 1},
        {.name = "both carried", .saved = kItem, .held = 2, .sold = 0, .loaded = "", .carried = 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Roster game;
        clsData& data = game.data;
        if (c.held > 0) managers(data).items().ItemAdd(kItem, c.held);
        game.saveSlot(3, c.saved);
        std::int16_t sold = c.sold;
        if (sold > 0) managers(data).items().sellByCount(kItem, sold);
        for (std::int16_t k = 0; k < c.carried; ++k)
            game.sendOut(k == 0 ? kQuest : kTournament, kItem);

        EXPECT_EQ(data.GetUnitLoadItem(3), c.loaded);
        EXPECT_EQ(data.GetUnitLoadLineName(3), kFormation);
        EXPECT_EQ(data.GetUnitLoadMember(3, 1, 0), Roster::kNames[0]);
    }
}

TEST(FacadeUnitSlots, ASlotOutsideTheFiveStoresNothingAndItsTipIsAnError) {
    Roster game;
    clsData& data = game.data;
    managers(data).items().ItemAdd(kItem, 1);
    for (std::int16_t slot : {std::int16_t{-1}, std::int16_t{5}}) {
        SCOPED_TRACE(slot);
        game.saveSlot(slot, kItem);
        EXPECT_FALSE(data.GetCheckLoadData(slot));
        EXPECT_EQ(data.GetUnitLoadLineName(slot), "");
        EXPECT_EQ(data.GetUnitLoadItem(slot), "");
        EXPECT_EQ(data.GetUnitLoadMember(slot, 1, 0), "");
        EXPECT_THROW(data.GetUnitLoadSaveTips(slot, 0), host::runtime::RuntimeError);
    }
    for (std::int16_t slot = 0; slot <= 4; ++slot)
        EXPECT_FALSE(data.GetCheckLoadData(slot)) << slot;
}

TEST(FacadeUnitMembers, FiveStudentsWhoMayJoinAreNeededToFormAUnit) {
    struct Case {
        const char* name;
        int injured;
        bool enough;
    };
    const Case cases[] = {
        {.name = "six free", .injured = 0, .enough = true},
        {.name = "five free", .injured = 1, .enough = true},
        {.name = "four free", .injured = 2, .enough = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Roster game;
        for (int i = 0; i < c.injured; ++i)
            game.student(Roster::kNames[static_cast<std::size_t>(i)]).Injury(2);
        EXPECT_EQ(game.data.CheckEnableUnitMember(0), c.enough);
        EXPECT_EQ(game.data.GetEnableUnitMember(0).count(),
                  static_cast<long>(Roster::kNames.size()) - c.injured);
    }
}

TEST(FacadeFormations, TheCataloguesAnswersAndUnknownNamesAreErrors) {
    Roster game;
    clsData& data = game.data;
    const auto positions = data.GetLineData(kFormation);
    ASSERT_EQ(positions.count(), 5);
    for (long n = 1; n <= 5; ++n)
        EXPECT_EQ(positions.keyAt(n), "Number" + std::to_string(n));
    EXPECT_TRUE(lists(data.GetSelectLineData(), kFormation));
    EXPECT_EQ(data.GetSelectLineDataTips(kFormation).rfind(std::string(kFormation) + "の使用スキル", 0), 0U);
    EXPECT_EQ(data.GetUnitNumberTips(kFormation, 1).rfind("陣形貢献度", 0), 0U);
    EXPECT_EQ(data.GetBattleSkillTips(""), "");
    EXPECT_FALSE(data.GetBattleSkillTips(Roster::kNames[0]).empty());
    EXPECT_FALSE(data.GetBattleItemDataTips(kItem).empty());

    struct Case {
        const char* name;
        std::function<void()> call;
    };
    const Case errors[] = {
        {.name = "positions of an unknown formation", .call = [&] { data.GetLineData("無い陣形"); }},
        {.name = "tip of an unknown formation", .call = [&] { data.GetSelectLineDataTips("無い陣形"); }},
        {.name = "position tip of an unknown formation",
         .call = [&] { data.GetUnitNumberTips("無い陣形", 1); }},
        {.name = "skills of an unknown student", .call = [&] { data.GetBattleSkillTips("無い生徒"); }},
        {.name = "tip of an unknown item", .call = [&] { data.GetBattleItemDataTips("無いアイテム"); }},
        {.name = "statistics with an unknown item",
         .call = [&] { data.GetUnitCalcData(game.unit(), "無いアイテム"); }},
        {.name = "statistics with an unknown formation",
         .call =
             [&] {
                 clsUnitData u = game.unit();
                 u.LineName("無い陣形");
                 data.GetUnitCalcData(u, "");
             }},
        {.name = "statistics with an unknown member",
         .call =
             [&] {
                 clsUnitData u = game.unit();
                 u.Lines(2, "無い生徒");
                 data.GetUnitCalcData(u, "");
             }},
        {.name = "a request sent out twice",
         .call =
             [&] {
                 game.sendOut(kQuest, "");
                 game.sendOut(kQuest, "");
             }},
    };
    for (const Case& c : errors) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.call(), host::runtime::RuntimeError);
    }
}

TEST(FacadeUnitSlots, ATeamIsRefusedAnItemWhosePiecesAreAllOutAndGoesWithoutIt) {
    Roster game;
    managers(game.data).items().ItemAdd(kItem, 1);
    game.sendOut(kQuest, kItem);
    EXPECT_THROW(game.sendOut(kTournament, kItem), host::runtime::RuntimeError);
    EXPECT_THROW(game.sendOut(kTournament, kOtherItem), host::runtime::RuntimeError) << "never held";
    EXPECT_EQ(managers(game.data).students().GetQuestData().count(), 1);
    game.sendOut(kTournament, "");
    EXPECT_EQ(managers(game.data).students().GetQuestData().count(), 2);
}

TEST(FacadeUnitStatistics, NoItemGivesTheStatisticsWithoutItemEffectsAndAnItemChangesThem) {
    Roster game;
    clsData& data = game.data;
    const clsUnitData unit = game.unit();

    const auto plain = data.GetUnitCalcData(unit, "");
    const auto expected = managers(data).lines().GetUnitLineCalc(
        unit, managers(data).students().GetUnitLineData(unit), clsBattleItem());
    EXPECT_EQ(plain->GetSaveData(), expected->GetSaveData());
    EXPECT_GT(plain->Physical(), 0);

    const auto withItem = data.GetUnitCalcData(unit, kItem);
    EXPECT_GT(withItem->Physical(), plain->Physical());
    EXPECT_EQ(withItem->Offensive(), plain->Offensive());
}

TEST(FacadeBattleItems, TheListLeavesOutItemsCarriedByAsManyUnitsAsAreHeld) {
    struct Case {
        const char* name;
        std::int16_t held;
        int carried;
        bool listed;
    };
    const Case cases[] = {
        {.name = "held twice, carried by two", .held = 2, .carried = 2, .listed = false},
        {.name = "held twice, carried by one", .held = 2, .carried = 1, .listed = true},
        {.name = "held once, carried by none", .held = 1, .carried = 0, .listed = true},
        {.name = "held once, carried by one", .held = 1, .carried = 1, .listed = false},
        {.name = "not held", .held = 0, .carried = 0, .listed = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Roster game;
        if (c.held > 0) managers(game.data).items().ItemAdd(kItem, c.held);
        managers(game.data).items().ItemAdd(kOtherItem, 1);
        for (int i = 0; i < c.carried; ++i)
            game.sendOut("依頼" + std::to_string(i), kItem);

        const auto rows = game.data.GetBattleItemData();
        EXPECT_EQ(lists(rows, kItem), c.listed);
        EXPECT_TRUE(lists(rows, kOtherItem));
    }
}

TEST(FacadeBattleItems, AUnitMayCarryAnItemWhenOneIsFreeAndATournamentsRuleAllowsIt) {
    struct Case {
        const char* name;
        const char* quest;
        bool itemFree;
        std::int16_t rank; // in June: items are forbidden at ranks 0 and 1
        bool answer;
    };
    const Case cases[] = {
        {.name = "no request, no item free", .quest = "", .itemFree = false, .rank = 0, .answer = true},
        {.name = "no request, item free", .quest = "", .itemFree = true, .rank = 0, .answer = true},
        {.name = "request, no item free", .quest = kQuest, .itemFree = false, .rank = 2, .answer = false},
        {.name = "request, the rule not asked", .quest = kQuest, .itemFree = true, .rank = 0, .answer = true},
        {.name = "tournament, forbidden at the rank",
         .quest = kTournament,
         .itemFree = true,
         .rank = 0,
         .answer = false},
        {.name = "tournament, allowed at the rank",
         .quest = kTournament,
         .itemFree = true,
         .rank = 2,
         .answer = true},
        {.name = "tournament, no item free",
         .quest = kTournament,
         .itemFree = false,
         .rank = 2,
         .answer = false},
        {.name = "tournament name not at the end",
         .quest = "王国大会の下見",
         .itemFree = true,
         .rank = 0,
         .answer = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Roster game;
        clsData& data = game.data;
        game.raiseRank(c.rank);
        data.SetDate("1:" + std::to_string(kJune) + ":1");
        // One piece held; a unit already out carries it unless it is free.
        managers(data).items().ItemAdd(kItem, 1);
        if (!c.itemFree) game.sendOut("先発の依頼", kItem);
        ASSERT_EQ(data.GetRankAsNumber(), c.rank);

        EXPECT_EQ(data.CheckBattleItem(c.quest), c.answer);
    }
}

} // namespace
