#include "students/abilities.h"
#include "students/newcomers/cls_create_student.h"

#include "platform/rules/mdl_zrd_func.h"
#include "students/scouts/cls_mng_scout.h"
#include "students/students_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using studentstest::drawFor;
using testsupport::errorOf;

namespace {

constexpr float kLowest = 0.0f;
constexpr float kHighest = 0.9999f;

float d25(int value) {
    return drawFor(0, 25, value);
}

// Every draw of one new student, in the order they are taken. The defaults
// give the lowest value of every draw and no trait.
struct Script {
    std::vector<float> origin{d25(0)};
    std::vector<float> age{d25(0)};
    float condition = kLowest;
    std::vector<float> growth{kLowest, kLowest};
    float character = kLowest;
    float medicUpper = kLowest;
    std::array<float, 15> traits = filled(kHighest);
    // Per ability: origin-class bonus, occupation bonus, level.
    std::array<std::array<float, 3>, ability::kCount> abilities{};

    static std::array<float, 15> filled(float value) {
        std::array<float, 15> a;
        a.fill(value);
        return a;
    }

    std::vector<float> draws() const {
        std::vector<float> all = origin;
        all.insert(all.end(), age.begin(), age.end());
        all.push_back(condition);
        all.insert(all.end(), growth.begin(), growth.end());
        all.push_back(character);
        all.push_back(medicUpper);
        all.insert(all.end(), traits.begin(), traits.end());
        for (const auto& ability : abilities)
            all.insert(all.end(), ability.begin(), ability.end());
        return all;
    }
};

clsScoutData scoutRow(std::int32_t occupation, std::int32_t age, std::int32_t growth, std::int16_t ability,
                      std::int16_t number = 6) {
    clsScoutData row;
    row.Occupation(occupation);
    row.Age(age);
    row.Growth(growth);
    row.Ability(ability);
    row.Number(number);
    return row;
}

clsCreateStudentData batch(const clsScoutData& scout, bool middle = false, bool high = false) {
    clsCreateStudentData data;
    data.SchoolYear(1);
    data.Scout(scout);
    data.MiddlePlaceFLG(middle);
    data.HiPlaceFLG(high);
    data.StudentName("アラン");
    return data;
}

class NewStudent : public ::testing::Test {
  protected:
    // Runs the script and checks that the student took exactly its draws.
    std::unique_ptr<clsStudent> make(const clsCreateStudentData& data, const Script& script) {
        const auto draws = script.draws();
        services->scriptDraws(draws);
        const int before = services->drawCount();
        auto student = creator.GetStudent(data);
        EXPECT_EQ(services->drawCount() - before, static_cast<int>(draws.size()));
        return student;
    }

    ScopedSilentServices services;
    clsCreateStudent creator;
};

TEST(NewStudentBatch, NumberOfNewcomers) {
    struct {
        std::int16_t number;
        std::int16_t schoolYears;
        std::int16_t newcomers;
    } cases[] = {{3, 1, 6}, {3, 2, 3}, {5, 1, 6}, {6, 1, 6}, {8, 1, 8}, {8, 3, 8}, {0, 2, 0}};
    for (const auto& c : cases) {
        clsCreateStudentData data = batch(scoutRow(1, 1, 1, 1, c.number));
        data.SchoolYear(c.schoolYears);
        EXPECT_EQ(data.GetNumber(), c.newcomers) << c.number << " " << c.schoolYears;
    }
}

TEST(NewStudentBatch, WithoutAScoutOnlyTheDefaultsAnswer) {
    clsCreateStudentData data;
    EXPECT_EQ(errorOf([&] { data.GetNumber(); }), ErrorNumber::ObjectNotSet);
    EXPECT_EQ(data.Occupation(), 1);
    EXPECT_EQ(data.Age(), 0);
    EXPECT_EQ(data.Growth(), 0);
    EXPECT_EQ(data.Ability(), 0);
    data.Scout(scoutRow(3, 2, 4, 15));
    EXPECT_EQ(data.Occupation(), 3);
    EXPECT_EQ(data.Age(), 2);
    EXPECT_EQ(data.Growth(), 4);
    EXPECT_EQ(data.Ability(), 15);
}

TEST_F(NewStudent, OriginByFamilyClassPlaceFlagsAndDraws) {
    struct {
        std::int32_t family;
        bool middle;
        bool high;
        std::vector<int> draws;
        const char* origin;
    } cases[] = {
        {1, true, true, {9}, "猟師"},        {1, true, true, {25}, "技術者"},
        {2, false, true, {20}, "旅人"},      {2, false, false, {8}, "農民"},
        {2, true, false, {7, 0}, "兵士"},    {2, true, false, {25, 14}, "商人"},
        {2, true, false, {6, 15}, "旅人"},   {3, true, false, {7, 15}, "学者"},
        {3, true, false, {6, 21}, "技術者"}, {3, false, true, {16, 15}, "騎士"},
        {3, false, true, {0, 16}, "貴族"},   {3, true, true, {16, 22}, "王族"},
        {3, false, true, {17, 21}, "忍者"},  {3, false, true, {22, 9}, "商人"},
        {3, false, true, {23, 14}, "猟師"},  {3, false, false, {25}, "技術者"},
    };
    for (const auto& c : cases) {
        Script script;
        script.origin.clear();
        for (int d : c.draws)
            script.origin.push_back(d25(d));
        auto student = make(batch(scoutRow(c.family, 1, 1, 1), c.middle, c.high), script);
        EXPECT_EQ(student->ComingFrom(), c.origin) << c.family << c.middle << c.high;
    }
}

TEST_F(NewStudent, AgeByAgeClassAndBand) {
    struct {
        std::int32_t ageClass;
        std::vector<float> draws;
        std::int16_t age;
    } cases[] = {
        {1, {d25(7)}, 12},
        {1, {d25(8)}, 13},
        {1, {d25(22)}, 14},
        {1, {d25(23)}, 15},
        {2, {d25(3)}, 14},
        {2, {d25(4)}, 15},
        {2, {d25(20)}, 16},
        {2, {d25(21)}, 17},
        {3, {d25(7)}, 16},
        {3, {d25(16)}, 17},
        {3, {d25(17)}, 18},
        {0, {drawFor(0, 2, 0), d25(25)}, 15},
        {0, {drawFor(0, 2, 1), d25(0)}, 14},
        {0, {drawFor(0, 2, 2), d25(25)}, 18},
    };
    for (const auto& c : cases) {
        Script script;
        script.age = c.draws;
        auto student = make(batch(scoutRow(1, c.ageClass, 1, 1)), script);
        EXPECT_EQ(student->Age(), c.age) << c.ageClass;
    }
}

TEST_F(NewStudent, GrowthTypeByGrowthClassFamilyAndDraw) {
    struct {
        std::int32_t growthClass;
        int family;
        int type;
        const char* growth;
    } cases[] = {
        {1, 16, 0, "超早熟"},   {1, 17, 8, "普通2"},  {1, 23, 25, "持続1"}, {2, 0, 23, "持続2"},
        {2, 17, 14, "早熟1"},   {2, 20, 5, "晩成1"},  {2, 23, 6, "特殊2"},  {3, 16, 21, "超晩成2"},
        {3, 22, 22, "普通3"},   {3, 25, 0, "特殊1"},  {4, 16, 16, "特殊4"}, {4, 19, 15, "普通3"},
        {4, 22, 11, "晩成3"},   {4, 23, 21, "早熟2"}, {0, 6, 22, "持続1"},  {0, 7, 0, "普通1"},
        {0, 19, 16, "超晩成1"}, {0, 20, 11, "特殊3"}, {0, 14, 10, "晩成2"},
    };
    for (const auto& c : cases) {
        Script script;
        script.growth = {d25(c.family), d25(c.type)};
        auto student = make(batch(scoutRow(1, 1, c.growthClass, 1)), script);
        EXPECT_EQ(student->Growth(), c.growth) << c.growthClass << " " << c.family << " " << c.type;
    }
}

TEST_F(NewStudent, TraitsByOriginWithExclusions) {
    struct Case {
        const char* what;
        std::int32_t family;
        std::vector<int> originDraws;
        std::vector<std::pair<int, int>> traitDraws; // trait, drawn r
        std::set<int> traits;
    };
    const Case cases[] = {
        {"a scholar is favoured for hard work, which keeps out laziness",
         2,
         {7, 15},
         {{3, 15}, {13, 0}},
         {3}},
        {"a hunter is favoured for skill, which keeps out clumsiness",
         1,
         {9},
         {{1, 4}, {5, 15}, {10, 15}, {12, 15}, {15, 0}},
         {5, 10, 12}},
        {"a soldier's strong heart keeps out the flea's heart",
         2,
         {7, 0},
         {{2, 5}, {7, 15}, {8, 6}, {11, 0}},
         {2, 7}},
        {"a merchant's guts keep out laziness; toughness keeps out frailty",
         2,
         {7, 9},
         {{4, 3}, {6, 15}, {13, 0}, {14, 5}},
         {4, 6}},
        {"others get favoured traits only at 3 or below",
         2,
         {7, 9},
         {{1, 4}, {3, 4}, {5, 3}, {7, 4}, {12, 3}},
         {5, 12}},
        {"royalty is favoured for charisma; the excluded traits come when nothing keeps them out",
         3,
         {0, 25},
         {{1, 15}, {3, 4}, {11, 5}, {13, 5}, {14, 5}, {15, 5}},
         {1, 11, 13, 14, 15}},
    };
    for (const auto& c : cases) {
        Script script;
        script.origin.clear();
        for (int d : c.originDraws)
            script.origin.push_back(d25(d));
        for (const auto& [trait, r] : c.traitDraws)
            script.traits[static_cast<std::size_t>(trait - 1)] = drawFor(0, 100, r);
        auto student = make(batch(scoutRow(c.family, 1, 1, 1), true, true), script);
        for (int trait = 1; trait <= 15; ++trait)
            EXPECT_EQ(student->HoldSkill(trait), c.traits.count(trait) == 1)
                << c.what << ": " << mdlZRDFunc::GetCharacterName(static_cast<std::int16_t>(trait));
    }
}

TEST_F(NewStudent, NatureAndLevelOfAbilities) {
    // A farmer's child of 13 from grade 2: Physical from 2 + 7 + 1 + 10.
    Script farmer;
    farmer.age = {d25(8)};
    farmer.abilities[0] = {drawFor(4, 10, 7), drawFor(4, 12, 10), kHighest};
    farmer.abilities[6] = {kLowest, kLowest, kHighest}; // Charm lowered by 1
    auto student = make(batch(scoutRow(1, 1, 1, 2)), farmer);
    EXPECT_EQ(student->GetNatureAbility(1), 20);
    EXPECT_EQ(student->GetAbility(1), 12); // RandomInt(5, 12)
    EXPECT_EQ(student->GetNatureAbility(7), 2 + 4 + 1 - 1);
    EXPECT_EQ(student->GetAbility(7), 4); // RandomInt(1, 4)
    EXPECT_EQ(student->GetNatureAbility(2), 2 + 4 + 1 + 0);

    // A scholar of 16 from grade 10: formations from 10 + 16 + 4 + 12, then \ 4.
    Script scholar;
    scholar.origin = {d25(7), d25(15)};
    scholar.age = {d25(16)};
    scholar.abilities[14] = {kHighest, kHighest, kHighest};
    scholar.abilities[16] = {kLowest, kLowest, kLowest};
    student = make(batch(scoutRow(2, 2, 1, 10), true), scholar);
    EXPECT_EQ(student->ComingFrom(), "学者");
    EXPECT_EQ(student->GetNatureAbility(15), 10);
    EXPECT_EQ(student->GetAbility(15), 6); // RandomInt(2, 6)
    EXPECT_EQ(student->GetNatureAbility(17), (10 + 8 + 4 + 4) / 4);
    EXPECT_EQ(student->GetAbility(17), 1);
    EXPECT_EQ(student->GetNatureAbility(1), 10 + 8 + 4 - 1); // Physical lowered

    // Royalty of 18 from grade 80: natures held at 100 and formations at 25.
    Script royal;
    royal.origin = {d25(0), d25(25)};
    royal.age = {d25(25)};
    royal.abilities[6] = {kHighest, kHighest, kLowest};
    royal.abilities[15] = {kHighest, kHighest, kHighest};
    student = make(batch(scoutRow(3, 3, 1, 80), false, true), royal);
    EXPECT_EQ(student->GetNatureAbility(7), 100);
    EXPECT_EQ(student->GetAbility(7), 25);
    EXPECT_EQ(student->GetNatureAbility(16), 25);
    EXPECT_EQ(student->GetAbility(16), 16);
}

TEST_F(NewStudent, AnAgeOfTwelveAddsNothingAndEighteenAddsSix) {
    for (auto [ageClass, ageDraw, added] : {std::tuple{1, 0, 0}, std::tuple{3, 25, 6}}) {
        Script script;
        script.age = {d25(ageDraw)};
        auto student = make(batch(scoutRow(1, ageClass, 1, 20)), script);
        // Muscle of a farmer's child: grade + 4 + age - 12 + 0.
        EXPECT_EQ(student->GetNatureAbility(2), 20 + 4 + added) << ageClass;
        // Attack formation: (grade + 4 + age - 12 + 0) \ 4.
        EXPECT_EQ(student->GetNatureAbility(15), (20 + 4 + added) / 4) << ageClass;
    }
}

TEST_F(NewStudent, LowGradeStillGivesPhysicalStrengthOfTwo) {
    Script script;
    auto student = make(batch(scoutRow(1, 1, 1, -30)), script);
    EXPECT_EQ(student->GetNatureAbility(1), 2);
    EXPECT_EQ(student->GetAbility(1), 2);
    EXPECT_EQ(student->MaxPhysical(), 10);
    EXPECT_EQ(student->Physical(), 10);
    for (std::int16_t n = 2; n <= ability::kCount; ++n) {
        EXPECT_EQ(student->GetNatureAbility(n), 0) << n;
        EXPECT_EQ(student->GetAbility(n), 0) << n;
    }
}

TEST_F(NewStudent, PersonalFieldsOfANewcomer) {
    Script script;
    script.condition = drawFor(0, 4, 3);
    script.character = drawFor(1, 4, 2);
    script.medicUpper = drawFor(5, 15, 11);
    auto student = make(batch(scoutRow(1, 1, 1, 2)), script);
    EXPECT_EQ(student->Name(), "アラン");
    EXPECT_EQ(student->SchoolYear(), 1);
    EXPECT_EQ(student->MedicTolerance(), 0);
    EXPECT_EQ(student->Dissatisfaction(), 0);
    EXPECT_EQ(student->Condition(), 3);
    EXPECT_EQ(student->Character(), 2);
    EXPECT_EQ(student->MedicUpper(), 11);
    EXPECT_EQ(student->Injury(), 0);
    EXPECT_EQ(student->Course(), 0);
}

// Many students from the real generator: the ranges and exclusions hold for
// every one of them.
TEST(NewStudentBatchRun, EveryStudentKeepsTheRangesAndExclusions) {
    ScopedSilentServices services;
    clsCreateStudent creator;
    const std::set<std::string> low = {"農民", "猟師", "旅人", "技術者"};
    const std::set<std::string> growthTypes = {"超早熟",  "早熟1", "早熟2", "普通1", "普通2", "普通3",
                                               "持続1",   "持続2", "晩成1", "晩成2", "晩成3", "超晩成1",
                                               "超晩成2", "特殊1", "特殊2", "特殊3", "特殊4"};
    const std::pair<int, int> exclusions[] = {{13, 3}, {13, 6}, {11, 7}, {14, 4}, {15, 5}};
    clsMngScout agency;
    struct {
        clsScoutData scout;
        bool middle;
        bool high;
        bool lowOnly;
    } batches[] = {
        {agency.GetScout(), true, true, true},
        {scoutRow(3, 0, 4, 40), true, true, false},
        {scoutRow(2, 3, 3, 12), true, false, false},
    };
    std::set<std::string> origins;
    for (const auto& b : batches) {
        clsCreateStudentData data = batch(b.scout, b.middle, b.high);
        for (int i = 0; i < 600; ++i) {
            auto s = creator.GetStudent(data);
            if (b.lowOnly) {
                EXPECT_EQ(low.count(s->ComingFrom()), 1u) << s->ComingFrom();
            }
            origins.insert(s->ComingFrom());
            EXPECT_EQ(growthTypes.count(s->Growth()), 1u) << s->Growth();
            EXPECT_GE(s->Age(), 12);
            EXPECT_LE(s->Age(), 18);
            EXPECT_GE(s->Condition(), 0);
            EXPECT_LE(s->Condition(), 4);
            EXPECT_GE(s->Character(), 1);
            EXPECT_LE(s->Character(), 4);
            EXPECT_GE(s->MedicUpper(), 5);
            EXPECT_LE(s->MedicUpper(), 15);
            EXPECT_EQ(s->Physical(), s->MaxPhysical());
            for (const auto& [trait, excluder] : exclusions)
                EXPECT_FALSE(s->HoldSkill(trait) && s->HoldSkill(excluder)) << trait << " with " << excluder;
            EXPECT_GE(s->GetAbility(1), 2);
            EXPECT_GE(s->GetNatureAbility(1), 2);
            for (std::int16_t n = 1; n <= ability::kCount; ++n) {
                const int nature = s->GetNatureAbility(n);
                EXPECT_LE(nature, n >= 15 ? 25 : 100) << n;
                if (n > 1) {
                    EXPECT_GE(s->GetAbility(n), nature / 4) << n;
                    EXPECT_LE(s->GetAbility(n), (nature / 3) * 2) << n;
                }
                EXPECT_EQ(s->GetStudentData(2, n), 0);
                EXPECT_EQ(s->GetStudentData(4, n), 0);
            }
        }
    }
    EXPECT_EQ(origins.size(), 11u);
}

} // namespace
