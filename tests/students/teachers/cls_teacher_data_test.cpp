#include "students/abilities.h"
#include "students/teachers/cls_teacher_data.h"

#include "host/runtime/strings.h"
#include "platform/services/silent_services.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

using Levels = std::array<int, ability::kCount>;

constexpr std::int32_t bits(std::initializer_list<int> numbers) {
    std::int32_t value = 0;
    for (int n : numbers)
        value |= std::int32_t{1} << (n - 1);
    return value;
}

Levels allLevels(int level) {
    Levels levels;
    levels.fill(level);
    return levels;
}

// Ability n at level n * 3 so every ability is told apart.
Levels distinctLevels() {
    Levels levels;
    for (int n = 1; n <= ability::kCount; ++n)
        levels[n - 1] = n * 3;
    return levels;
}

clsTeacherData teacher(const Levels& levels, std::int32_t skills, const std::string& name = "シオドア") {
    std::vector<std::string> fields = {name, "2", "5", "32", "3"};
    for (int level : levels)
        fields.push_back(std::to_string(level));
    fields.push_back(std::to_string(skills));
    clsTeacherData record;
    record.SetData(host::runtime::Join(fields, ","));
    return record;
}

TEST(TeacherRecord, ReadsEveryFieldOfItsRow) {
    clsTeacherData record = teacher(distinctLevels(), bits({1, 12}), "ﾏﾘｵﾝ");
    EXPECT_EQ(record.Name(), "マリオン");
    EXPECT_EQ(record.Character(), 2);
    EXPECT_EQ(record.Policy(), 5);
    EXPECT_EQ(record.Age(), 32);
    EXPECT_EQ(record.Period(), 3);
    EXPECT_EQ(record.GetTeacherSkill(), bits({1, 12}));
    EXPECT_EQ(record.Physical(), 3);
    EXPECT_EQ(record.Horsemanship(), 42);
    EXPECT_EQ(record.Surpise(), 51);
    clsGetGridData detail = record.GetDataDetail();
    EXPECT_EQ(detail.Cols(), 16);
    for (std::int16_t i = 0; i <= 16; ++i)
        EXPECT_EQ(detail.Data(i), std::to_string((i + 1) * 3)) << i;
}

TEST(TeacherRecord, ShortOrBadRowFailsAndChangesNothing) {
    clsTeacherData record = teacher(allLevels(10), 0);
    struct {
        std::string row;
        ErrorNumber error;
    } cases[] = {
        {"ロスコウ,1,1,57,2,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", ErrorNumber::SubscriptOutOfRange},
        {"ロスコウ,1,1,57,2,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,x,0", ErrorNumber::TypeMismatch},
        {"ロスコウ,1,1,57,2,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,40000,0", ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { record.SetData(c.row); }), c.error) << c.row;
        EXPECT_EQ(record.Name(), "シオドア");
        EXPECT_EQ(record.Physical(), 10);
    }
}

TEST(TeacherRecord, SalaryCountsWholeStepsOfAbilitiesAndSkills) {
    Levels justBelow = allLevels(29);
    justBelow[14] = justBelow[15] = justBelow[16] = 3;
    Levels mixed = allLevels(0);
    mixed[0] = 59;  // 1 step of 30
    mixed[13] = 90; // 3 steps
    mixed[14] = 7;  // 1 step of 4
    mixed[16] = 25; // 6 steps
    Levels negative = allLevels(0);
    negative[1] = -60;
    struct {
        const char* what;
        Levels levels;
        std::int32_t skills;
        std::int32_t salary;
    } cases[] = {
        {"every ability at 60", allLevels(60), 0, 7300},
        {"every ability at 60 with two skills", allLevels(60), bits({2, 9}), 9300},
        {"every ability just below a step", justBelow, 0, 0},
        {"steps are truncated per ability", mixed, 0, 1100},
        {"skill bits above 12 add nothing", allLevels(0), bits({13, 20}), 0},
        {"all twelve skills", allLevels(0), bits({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), 12000},
        {"a negative level lowers the salary", negative, 0, -200},
    };
    for (const auto& c : cases)
        EXPECT_EQ(teacher(c.levels, c.skills).Salary(), c.salary) << c.what;
}

TEST(TeacherRecord, EachSkillMatchesOneAbility) {
    const std::array<int, 12> matching = {11, 12, 13, 14, 10, 8, 15, 16, 17, 4, 9, 5};
    for (int skill = 1; skill <= 12; ++skill) {
        clsTeacherData record = teacher(allLevels(10), bits({skill}));
        EXPECT_TRUE(record.HoldSkill(skill));
        for (int n = 0; n <= ability::kCount + 1; ++n)
            EXPECT_EQ(record.SkillAbility(n), n == matching[skill - 1])
                << "skill " << skill << " ability " << n;
    }
    clsTeacherData master = teacher(allLevels(10), bits({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    for (int n : {1, 2, 3, 6, 7})
        EXPECT_FALSE(master.SkillAbility(n)) << n;
    clsTeacherData bit13 = teacher(allLevels(10), bits({13}));
    for (int n = 1; n <= ability::kCount; ++n)
        EXPECT_FALSE(bit13.SkillAbility(n)) << n;
}

TEST(TeacherRecord, LevelOfTheLowestAbilityInABitSet) {
    ScopedSilentServices services;
    clsTeacherData record = teacher(distinctLevels(), 0);
    struct {
        std::int32_t bits;
        std::int16_t level;
    } cases[] = {
        {bits({11, 4}), 12}, {bits({17}), 51}, {bits({1, 17}), 3}, {bits({18}), 0}, {0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(record.AbilityAsENUM(c.bits), c.level) << c.bits;
    EXPECT_TRUE(services->messages().empty());
}

TEST(TeacherRecord, AbilityNumberOutsideTheSeventeenShowsAMessage) {
    ScopedSilentServices services;
    clsTeacherData record = teacher(distinctLevels(), 0);
    EXPECT_EQ(record.GetAbility(1), 3);
    EXPECT_EQ(record.GetAbility(17), 51);
    EXPECT_TRUE(services->messages().empty());
    EXPECT_EQ(record.GetAbility(0), 0);
    EXPECT_EQ(record.GetAbility(18), 0);
    ASSERT_EQ(services->messages().size(), 2u);
    EXPECT_EQ(services->messages()[0].text, "Err:GetAbility:Number=0");
    EXPECT_EQ(services->messages()[1].text, "Err:GetAbility:Number=18");
}

} // namespace
