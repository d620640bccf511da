#include "students/abilities.h"
#include "students/student/cls_student_data.h"

#include "platform/sound/sound_names.h"
#include "students/students_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using studentstest::abilityText;
using studentstest::Reports;
using testsupport::errorOf;

namespace {

class AbilityBlocks : public ::testing::Test {
  protected:
    ScopedSilentServices silent;
    clsStudentData data;
};

std::string zeros17() {
    std::string text = "0";
    for (int i = 1; i < ability::kCount; ++i)
        text += ":0";
    return text;
}

} // namespace

TEST_F(AbilityBlocks, ExperienceRaisesLevelsUpToPotentialAndCap) {
    struct Case {
        const char* what;
        int ability;
        int dataType;
        std::int16_t level, exp, nature, natureExp, count;
        std::int16_t wantLevel, wantExp, wantNature, wantNatureExp;
        std::vector<std::string> reports;
        std::vector<std::string> sounds;
    } cases[] = {
        {"one level, rest kept",
         2,
         1,
         14,
         150,
         50,
         0,
         300,
         15,
         250,
         50,
         0,
         {"筋力レベルがあがり、15になった"},
         {sound_name::kPowerUp}},
        {"several levels in one call",
         4,
         1,
         0,
         0,
         5,
         0,
         650,
         3,
         50,
         5,
         0,
         {"技術レベルがあがり、1になった", "技術レベルがあがり、2になった", "技術レベルがあがり、3になった"},
         {sound_name::kSkillUp, sound_name::kSkillUp, sound_name::kSkillUp}},
        {"remainder 0 ends the call",
         7,
         1,
         0,
         100,
         5,
         0,
         100,
         1,
         0,
         5,
         0,
         {"魅力レベルがあがり、1になった"},
         {sound_name::kChime}},
        {"at the potential the bar stays full", 5, 1, 10, 150, 10, 0, 100, 10, 200, 10, 0, {}, {}},
        {"stops at the potential on the way",
         9,
         1,
         3,
         0,
         4,
         0,
         1000,
         4,
         200,
         4,
         0,
         {"礼儀レベルがあがり、4になった"},
         {sound_name::kChime}},
        {"band edge 94 -> 95",
         1,
         1,
         94,
         1999,
         100,
         0,
         1,
         95,
         0,
         100,
         0,
         {"最大体力レベルがあがり、95になった"},
         {sound_name::kPowerUp}},
        {"at the cap points still gather", 11, 1, 100, 3000, 100, 0, 999, 100, 3999, 100, 0, {}, {}},
        {"at the cap a full bar is lost", 11, 1, 100, 3999, 100, 0, 1, 100, 3999, 100, 0, {}, {}},
        {"formation skill cap 25", 15, 1, 25, 100, 25, 0, 29900, 25, 100, 25, 0, {}, {}},
        {"formation level 20 needs 10000", 16, 1, 20, 0, 25, 0, 9999, 20, 9999, 25, 0, {}, {}},
        {"formation level 2 needs 300",
         16,
         1,
         2,
         0,
         5,
         0,
         300,
         3,
         0,
         5,
         0,
         {"防御陣形レベルがあがり、3になった"},
         {sound_name::kChime}},
        {"30000 needed at 23: sum beyond 16 bits",
         17,
         1,
         23,
         29000,
         25,
         0,
         5000,
         24,
         4000,
         25,
         0,
         {"奇襲陣形レベルがあがり、24になった"},
         {sound_name::kChime}},
        {"nature rises silently", 1, 3, 0, 0, 0, 0, 450, 0, 0, 2, 50, {}, {}},
        {"nature above level 94", 6, 3, 0, 0, 95, 3999, 1, 0, 0, 96, 0, {}, {}},
        {"nature capped", 15, 3, 0, 0, 25, 0, 30000, 0, 0, 25, 0, {}, {}},
    };
    for (const auto& c : cases) {
        ScopedSilentServices sounds;
        data.SetData(abilityText({{1, c.ability, c.level},
                                  {2, c.ability, c.exp},
                                  {3, c.ability, c.nature},
                                  {4, c.ability, c.natureExp}}));
        Reports reports(data);
        data.GetExperience(c.dataType, c.ability, c.count);
        EXPECT_EQ(data.GetStudentData(1, c.ability), c.wantLevel) << c.what;
        EXPECT_EQ(data.GetStudentData(2, c.ability), c.wantExp) << c.what;
        EXPECT_EQ(data.GetStudentData(3, c.ability), c.wantNature) << c.what;
        EXPECT_EQ(data.GetStudentData(4, c.ability), c.wantNatureExp) << c.what;
        EXPECT_EQ(reports.texts, c.reports) << c.what;
        EXPECT_EQ(sounds->played(), c.sounds) << c.what;
        data.Report.clear();
    }
}

TEST_F(AbilityBlocks, ProgressPercentRoundsHalfToEven) {
    data.SetData(abilityText({{2, 1, 1},   // 0.5 -> 0
                              {2, 2, 3},   // 1.5 -> 2
                              {1, 3, 15},  // need 400
                              {2, 3, 250}, // 62.5 -> 62
                              {1, 4, 10},  // full bar at the potential
                              {2, 4, 200},
                              {1, 11, 100},  // need 4000
                              {2, 11, 3999}, // 99.975 -> 100
                              {1, 15, 20},   // need 10000
                              {2, 15, 50}}));
    auto row = data.GetExperienceAsNumber();
    EXPECT_EQ(row.Cols(), 16);
    EXPECT_EQ(row.Data(0), "0");
    EXPECT_EQ(row.Data(1), "2");
    EXPECT_EQ(row.Data(2), "62");
    EXPECT_EQ(row.Data(3), "100");
    EXPECT_EQ(row.Data(10), "100");
    EXPECT_EQ(row.Data(14), "0"); // 0.5 -> 0
    EXPECT_EQ(row.Data(16), "0");
}

TEST_F(AbilityBlocks, BattleValuesByUnitAndFormationType) {
    data.SetData(abilityText({{1, 1, 60},
                              {1, 2, 10},
                              {1, 3, 11},
                              {1, 4, 20},
                              {1, 5, 31},
                              {1, 6, 40},
                              {1, 11, 10},
                              {1, 12, 50},
                              {1, 13, 60},
                              {1, 14, 70},
                              {1, 15, 7},
                              {1, 16, 3},
                              {1, 17, 4}}));
    struct {
        const char* unit;
        std::int16_t offense, defense;
    } units[] = {{"剣士", 10, 30}, {"槍兵", 30, 23}, {"弓兵", 30, 27},
                 {"騎兵", 40, 20}, {"魔法", 0, 0},   {"", 0, 0}};
    for (const auto& u : units) {
        EXPECT_EQ(data.GetOffense(u.unit), u.offense) << u.unit;
        EXPECT_EQ(data.GetDefense(u.unit), u.defense) << u.unit;
    }
    struct {
        const char* main;
        const char* sub;
        std::int16_t expected;
    } lines[] = {{"攻撃", "奇襲", 5}, {"防御", "防御", 3}, {"攻撃", "", 3}, {"突撃", "包囲", 0}};
    for (const auto& l : lines)
        EXPECT_EQ(data.GetLineUnderStanding(l.main, l.sub), l.expected) << l.main << "+" << l.sub;
    EXPECT_EQ(data.MaxPhysical(), 300);
    EXPECT_EQ(data.FixPhysical(), 60);
    EXPECT_EQ(data.GetAbilityDetail().Data(16), "4");
}

TEST_F(AbilityBlocks, BadAbilityNumbersAnswerZeroWithAMessage) {
    data.SetData(abilityText({{1, 1, 9}, {3, 17, 8}}));
    EXPECT_EQ(data.GetAbility(0), 0);
    EXPECT_EQ(data.GetNatureAbility(18), 0);
    EXPECT_EQ(data.GetAbility(1), 9);
    EXPECT_EQ(data.GetNatureAbility(17), 8);
    EXPECT_EQ(data.GetStudentData(5, 1), 0);
    EXPECT_EQ(data.GetStudentData(1, 18), 0);
    const std::string before = data.GetData();
    data.GetExperience(1, 18, 500);
    EXPECT_EQ(data.GetData(), before);

    std::vector<std::string> shown;
    for (const auto& m : silent->messages())
        shown.push_back(m.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Err:GetAbility:Number=0", "Err:GetNatureAbility:Number=18",
                                               "error:18", "error:18"}));
}

TEST_F(AbilityBlocks, SaveTextRoundTrip) {
    const std::string fresh = zeros17() + ";" + zeros17() + ";" + zeros17() + ";" + zeros17();
    EXPECT_EQ(data.GetData(), fresh);
    data.SetData(fresh);
    EXPECT_EQ(data.GetData(), fresh);

    const std::string text = abilityText({{1, 1, 100}, {2, 17, -3}, {3, 9, 32767}, {4, 5, 12}});
    data.SetData(text);
    EXPECT_EQ(data.GetData(), text);
    EXPECT_EQ(data.GetNatureAbility(9), 32767);
}

TEST_F(AbilityBlocks, BadSaveTextFailsAndChangesNothing) {
    const std::string good = abilityText({{1, 2, 7}});
    const std::string z = zeros17();
    struct {
        std::string text;
        ErrorNumber error;
    } cases[] = {
        {z + ";" + z + ";" + z, ErrorNumber::SubscriptOutOfRange},
        {z + ";" + z + ";" + z + ";0:0", ErrorNumber::SubscriptOutOfRange},
        {"", ErrorNumber::SubscriptOutOfRange},
        {z + ";" + z + ";" + z + ";" + z + ":5", ErrorNumber::TypeMismatch},    // the 17th keeps the rest
        {z + ";" + z + ";" + z + ";" + z + ";" + z, ErrorNumber::TypeMismatch}, // the 4th keeps the rest
        {std::string("1").append(z, 1) + ";x" + z.substr(1) + ";" + z + ";" + z, ErrorNumber::TypeMismatch},
        {z + ";" + z + ";40000" + z.substr(1) + ";" + z, ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        data.SetData(good);
        EXPECT_EQ(errorOf([&] { data.SetData(c.text); }), c.error) << c.text;
        EXPECT_EQ(data.GetData(), good) << c.text;
    }
}
