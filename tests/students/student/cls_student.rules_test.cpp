#include "students/student/cls_student.h"

#include "host/runtime/strings.h"
#include "platform/sound/sound_names.h"
#include "students/students_support.h"

#include <gtest/gtest.h>

using studentstest::abilityText;
using studentstest::blankTimetable;
using studentstest::drawFor;
using studentstest::Reports;

namespace {

constexpr std::int32_t bit(int n) {
    return std::int32_t{1} << (n - 1);
}

std::int32_t skillBits(std::initializer_list<int> skills) {
    std::int32_t bits = 0;
    for (int s : skills)
        bits |= bit(s);
    return bits;
}

// Field 14 of the save record: the direction of the condition walk.
bool conditionImproving(const clsStudent& student) {
    return host::runtime::Split(student.GetSaveData(), "@")[14] == "True";
}

class StudentRules : public ::testing::Test {
  protected:
    StudentRules() {
        student.Name("ガク");
        student.ComingFrom("農民");
    }
    ScopedSilentServices silent;
    clsStudent student;
};

} // namespace

TEST_F(StudentRules, InjuryHealsOneDayAtATime) {
    struct {
        std::int16_t injury, want;
        std::vector<std::string> reports;
    } cases[] = {{1, 0, {"ガクの怪我が治りました"}}, {3, 2, {}}, {0, 0, {}}};
    for (const auto& c : cases) {
        Reports reports(student);
        student.Injury(c.injury);
        silent->scriptDraws({0.5f});
        student.ForwordDay(false);
        EXPECT_EQ(student.Injury(), c.want) << c.injury;
        EXPECT_EQ(reports.texts, c.reports) << c.injury;
        student.Report.clear();
    }
}

TEST_F(StudentRules, ConditionWalksOneWayUntilItTurns) {
    struct {
        std::int16_t condition;
        bool improving;
        std::initializer_list<int> skills;
        int r;
        std::int16_t want;
        bool wantImproving;
    } cases[] = {
        {0, true, {}, 19, 1, false},   {0, true, {}, 20, 0, true},       {0, true, {3}, 9, 1, false},
        {0, true, {3}, 10, 0, true},   {2, true, {}, 76, 1, true},       {2, true, {}, 75, 2, true},
        {2, true, {}, 0, 2, true}, // improving never worsens
        {1, true, {}, 100, 0, true},   {2, false, {}, 24, 3, false},     {2, false, {}, 25, 2, false},
        {2, false, {}, 100, 2, false}, // worsening never improves
        {3, false, {}, 0, 4, false},   {4, false, {}, 81, 3, true},      {4, false, {}, 80, 4, false},
        {4, false, {2}, 91, 3, true},  {4, false, {2}, 90, 4, false},    {4, false, {3}, 61, 3, true},
        {4, false, {3}, 60, 4, false}, {4, false, {2, 3}, 90, 4, false}, // skill 2 wins over skill 3
        {5, true, {}, 100, 5, true},
    };
    for (const auto& c : cases) {
        student.SetSaveData("ガク@15@1@1@早熟1@農民@" + std::to_string(c.condition) + "@0@0@0@0@0@False@0@" +
                            (c.improving ? "True" : "False") + "@" + std::to_string(skillBits(c.skills)) +
                            "@" + abilityText({}) + "@" + blankTimetable());
        silent->scriptDraws({drawFor(0, 100, c.r)});
        student.ForwordDay(true);
        EXPECT_EQ(student.Condition(), c.want) << c.condition << " r=" << c.r;
        EXPECT_EQ(conditionImproving(student), c.wantImproving) << c.condition << " r=" << c.r;
    }
}

TEST_F(StudentRules, PhysicalStaysWithinItsMaximum) {
    struct {
        std::int16_t level1, physical;
        std::int32_t method;
        std::int16_t value, want;
    } cases[] = {
        {60, 100, 1, 0, 100},  {60, 400, 1, 0, 400}, // a value of 0 changes nothing, not even a bad value
        {60, 100, 2, 500, 0},  {60, 100, 1, 500, 300}, {60, 100, 1, 32767, 300},
        {60, 100, 5, 20, 160}, {10, 10, 5, 20, 30}, // 50 / 100 * 20 = 10 is not above 20
        {60, 400, 3, 5, 300},  {60, -5, 7, 1, 0},   // other methods only clamp
        {60, 290, 5, 20, 300},
    };
    for (const auto& c : cases) {
        student.SetStudentData(abilityText({{1, 1, c.level1}}));
        student.Physical(c.physical);
        student.CalcPhysical(c.method, c.value);
        EXPECT_EQ(student.Physical(), c.want) << c.physical << " m" << c.method << " v" << c.value;
    }
}

TEST_F(StudentRules, DissatisfactionArithmetic) {
    struct {
        std::int16_t start;
        std::int32_t method;
        std::int16_t value, want;
    } cases[] = {{75, 3, 2, 37},  {95, 1, 10, 100}, {3, 2, 10, 0},    {50, 1, 0, 50},
                 {50, 4, 10, 50}, {-7, 3, 2, -3},   {150, 2, 0, 150}, {32767, 1, 5, 100}};
    for (const auto& c : cases) {
        student.Dissatisfaction(c.start);
        student.CalcDissatisfaction(c.method, c.value);
        EXPECT_EQ(student.Dissatisfaction(), c.want) << c.start << " m" << c.method << " v" << c.value;
    }
}

TEST_F(StudentRules, LessonPointsSplitByGrowthValue) {
    struct {
        std::int16_t presentValue;
        std::int16_t natureExp, presentExp;
    } cases[] = {{5, 60, 50}, {0, 110, 0}, {11, 0, 110}, {10, 10, 100}};
    for (const auto& c : cases) {
        student.SetStudentData(abilityText({}));
        student.Condition(2);
        silent->scriptDraws({drawFor(0, 10, 0)});
        const int drawsBefore = silent->drawCount();
        student.ClassEffect(bit(4), 100, c.presentValue);
        EXPECT_EQ(student.GetStudentData(4, 4), c.natureExp) << c.presentValue;
        EXPECT_EQ(student.GetStudentData(2, 4), c.presentExp) << c.presentValue;
        EXPECT_EQ(silent->drawCount() - drawsBefore, 1);
    }

    // Growth 0: every point goes to the potential; the present level never moves.
    student.SetStudentData(abilityText({}));
    silent->scriptDraws({drawFor(0, 10, 0)});
    student.ClassEffect(bit(3), 10000, 0);
    EXPECT_EQ(student.GetStudentData(1, 3), 0);
    EXPECT_EQ(student.GetStudentData(2, 3), 0);
    EXPECT_GT(student.GetNatureAbility(3), 20);
}

TEST_F(StudentRules, LessonPointsBySkillAndCondition) {
    struct {
        const char* what;
        std::initializer_list<int> skills;
        std::int16_t condition;
        int ability;
        float draw;
        std::int16_t want; // points after both modifiers, all on the present bar
    } cases[] = {
        {"天才肌", {2}, 2, 6, drawFor(0, 10, 0), 125},
        {"怠け者", {13}, 2, 6, drawFor(0, 10, 0), 75},
        {"天才肌 then 怠け者", {2, 13}, 2, 6, drawFor(0, 10, 0), 94},
        {"器用 on Technique", {5}, 2, 4, drawFor(0, 10, 0), 130},
        {"器用 elsewhere", {5}, 2, 5, drawFor(0, 10, 0), 100},
        {"根性 on Intention", {6}, 2, 5, drawFor(0, 10, 0), 130},
        {"美形 on Charm", {8}, 2, 7, drawFor(0, 10, 0), 130},
        {"野生の勘 on Luck", {9}, 2, 8, drawFor(0, 10, 0), 130},
        {"不器用 on Technique", {15}, 2, 4, drawFor(0, 10, 0), 75},
        {"器用 then 不器用", {5, 15}, 2, 4, drawFor(0, 10, 0), 98},
        {"脳筋 on Muscle", {12}, 2, 2, drawFor(0, 10, 0), 150},
        {"脳筋 on History", {12}, 2, 10, drawFor(0, 10, 0), 50},
        {"脳筋 on Protect", {12}, 2, 16, drawFor(0, 10, 0), 50},
        {"脳筋 elsewhere", {12}, 2, 5, drawFor(0, 10, 0), 100},
        {"condition 0 low", {}, 0, 6, drawFor(25, 40, 25), 125},
        {"condition 0 high", {}, 0, 6, drawFor(25, 40, 40), 140},
        {"condition 1", {}, 1, 6, drawFor(10, 25, 10), 110},
        {"condition 2 high", {}, 2, 6, drawFor(0, 10, 10), 110},
        {"condition 3", {}, 3, 6, drawFor(20, 35, 20), 80},
        {"condition 4", {}, 4, 6, drawFor(35, 50, 50), 50},
    };
    for (const auto& c : cases) {
        student.SetStudentData(abilityText({}));
        student.SetSkill(skillBits(c.skills));
        student.Condition(c.condition);
        silent->scriptDraws({c.draw});
        student.ClassEffect(bit(c.ability), 100, 10);
        EXPECT_EQ(student.GetStudentData(2, c.ability), c.want) << c.what;
    }

    // A condition outside 0..4 teaches nothing and draws nothing.
    student.SetStudentData(abilityText({}));
    student.SetSkill(0);
    student.Condition(5);
    silent->scriptDraws({});
    student.ClassEffect(bit(6), 100, 10);
    EXPECT_EQ(student.GetAbilityDetail().Data(5), "0");
    EXPECT_EQ(student.GetStudentData(2, 6), 0);
}

TEST_F(StudentRules, EveryMarkedAbilityStartsFromTheSamePointsAndLevelUpsAreRelayed) {
    student.SetStudentData(abilityText({{1, 2, 14}, {2, 2, 150}, {3, 2, 50}}));
    student.SetSkill(skillBits({12}));
    student.Condition(2);
    Reports reports(student);
    silent->scriptDraws({drawFor(0, 10, 0), drawFor(0, 10, 0)});
    student.ClassEffect(bit(2) | bit(9), 200, 10);
    // Muscle: 300 points -> level 15 with 250; Propriety: 100 points.
    EXPECT_EQ(student.GetAbility(2), 15);
    EXPECT_EQ(student.GetStudentData(2, 2), 250);
    EXPECT_EQ(student.GetStudentData(4, 9), 10);
    EXPECT_EQ(student.GetStudentData(2, 9), 100);
    EXPECT_EQ(reports.texts, std::vector<std::string>{"ガクの筋力レベルがあがり、15になった"});
    EXPECT_EQ(silent->played(), std::vector<std::string>{sound_name::kPowerUp});
}

TEST_F(StudentRules, MedicineWorksUntilTheToleranceIsReached) {
    clsUseConsumeItem item;
    item.SetConsumeData("元気薬", 10, bit(2) | bit(18) | bit(19) | bit(20) | bit(21), 30);

    // At the limit: nothing but the sound and the message.
    student.MedicTolerance(10);
    student.MedicUpper(10);
    {
        Reports reports(student);
        const std::string before = student.GetSaveData();
        student.UseConsumeItem(item);
        EXPECT_EQ(student.GetSaveData(), before);
        EXPECT_EQ(reports.texts, std::vector<std::string>{"薬の効果はなかった"});
        EXPECT_EQ(silent->played(), std::vector<std::string>{sound_name::kBoo});
        student.Report.clear();
    }

    ScopedSilentServices quiet;
    student.SetSaveData("ガク@15@1@1@早熟1@農民@3@10@50@0@50@0@False@0@False@" + std::to_string(bit(2)) +
                        "@" + abilityText({{1, 1, 10}}) + "@" + blankTimetable());
    Reports reports(student);
    student.UseConsumeItem(item);
    EXPECT_EQ(student.GetStudentData(4, 2), 30);
    EXPECT_EQ(student.GetStudentData(2, 2), 30);
    EXPECT_EQ(student.Physical(), 40);
    EXPECT_EQ(student.Condition(), 2);
    EXPECT_TRUE(conditionImproving(student));
    EXPECT_EQ(student.Dissatisfaction(), 20);
    EXPECT_EQ(student.MedicTolerance(), 10);
    EXPECT_EQ(reports.texts,
              (std::vector<std::string>{"体力が回復した", "調子が良くなった", "不満が減った"}));
    EXPECT_TRUE(quiet->played().empty());
    EXPECT_TRUE(student.HoldSkill(2));

    // The best condition stays the best.
    student.Condition(0);
    clsUseConsumeItem tonic;
    tonic.SetConsumeData("気付け", 0, bit(19), 1);
    student.UseConsumeItem(tonic);
    EXPECT_EQ(student.Condition(), 0);
}

TEST_F(StudentRules, MedicineReachingTheLimitWorksThenHasSideEffects) {
    student.SetSkill(skillBits({1, 2, 3, 4, 5, 6, 13}));
    student.MedicTolerance(30);
    student.MedicUpper(40);
    student.Dissatisfaction(50);
    clsUseConsumeItem item;
    item.SetConsumeData("強い薬", 10, bit(20), 5);
    Reports reports(student);
    student.UseConsumeItem(item);

    EXPECT_EQ(student.Dissatisfaction(), 45);
    EXPECT_EQ(student.MedicTolerance(), 40);
    EXPECT_EQ(reports.texts, (std::vector<std::string>{
                                 "不満が減った", "ガクに薬の副作用がでてしまったようです",
                                 "カリスマでなくなった", "努力家でなくなった", "頑丈でなくなった",
                                 "器用でなくなった", "根性がなくなった", "貧弱になった", "不器用になった"}));
    EXPECT_EQ(silent->played(), std::vector<std::string>(7, sound_name::kBoo));
    for (int skill : {1, 3, 4, 5, 6})
        EXPECT_FALSE(student.HoldSkill(skill)) << skill;
    for (int skill : {2, 13, 14, 15})
        EXPECT_TRUE(student.HoldSkill(skill)) << skill;
}

TEST_F(StudentRules, MedicineAmountsBeyondSixteenBitsSaturate) {
    student.SetStudentData(abilityText({{1, 1, 20}}));
    student.Physical(1);
    student.MedicUpper(100);
    clsUseConsumeItem item;
    item.SetConsumeData("秘薬", 2147483647, bit(1) | bit(18), 40000);
    Reports reports(student);
    student.UseConsumeItem(item);
    EXPECT_EQ(student.Physical(), student.MaxPhysical());
    // 32767 points of nature and then present experience: both reach level 62.
    EXPECT_EQ(student.GetNatureAbility(1), 62);
    EXPECT_EQ(student.GetAbility(1), 62);
    EXPECT_EQ(student.MedicTolerance(), 32767);
    EXPECT_EQ(reports.texts.back(), "不器用になった");
}

TEST_F(StudentRules, CourseFromOrigin) {
    struct {
        const char* origin;
        int r;
        std::int32_t course;
    } cases[] = {
        {"農民", 0, 12},  {"農民", 49, 12}, {"農民", 50, 9}, {"農民", 89, 5},   {"農民", 90, 6},
        {"農民", 100, 6}, {"猟師", 81, 9},  {"旅人", 72, 8}, {"技術者", 65, 7}, {"兵士", 55, 7},
        {"商人", 95, 13}, {"学者", 85, 12}, {"忍者", 74, 4}, {"忍者", 75, 10},  {"騎士", 50, 3},
        {"騎士", 75, 1},  {"貴族", 49, 2},  {"貴族", 50, 1}, {"王族", 100, 1},  {"海賊", 0, 0},
        {"", 50, 0},
    };
    for (const auto& c : cases) {
        clsStudent s;
        s.ComingFrom(c.origin);
        silent->scriptDraws({drawFor(0, 100, c.r)});
        s.ThinkCourse();
        EXPECT_EQ(s.Course(), c.course) << c.origin << " r=" << c.r;
        EXPECT_FALSE(s.CourseFLG());
    }
}
