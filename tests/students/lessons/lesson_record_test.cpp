#include "students/lessons/lesson_record.h"

#include "host/runtime/runtime_error.h"
#include "students/abilities.h"
#include "students/study_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using studentstest::lessonRow;
using testsupport::errorOf;

namespace {

// Student character 1 against teacher character c and policy p: c + p for
// whole-class lessons; the policy tables give p, or 6 for individual lessons.
constexpr const char* kTables = "思考,1,2,3,4;思考,6,6,6,6,6,6;思考,1,2,3,4,5,6";
// Skill 1 is the one that matches Fencing.
constexpr std::int32_t kFencingSkill = 1;

// A catalogue row whose level in ability n is 3n, so the level shows which
// ability was read.
std::string teacherRow(const std::string& name, int character, int policy, std::int32_t skills) {
    std::string row = name + "," + std::to_string(character) + "," + std::to_string(policy) + ",40,2";
    for (int n = 1; n <= ability::kCount; ++n)
        row.append(",").append(std::to_string(3 * n));
    return row + "," + std::to_string(skills);
}

struct Sources {
    Sources() {
        teachers.SetTeacherData(teacherRow("シオドア", 2, 3, 0) + "\r\n" +
                                teacherRow("マリオン", 4, 5, kFencingSkill) + "\r\n" +
                                teacherRow("ロスコウ", 1, 1, 0));
        // ロスコウ is in the catalogue but under no contract.
        teachers.SetSaveData("/シオドア:30:2:0\r\nマリオン:50:1:0");
        lessons.SetData(lessonRow("剣術", 10, 100, 10, 5, ability::bitOf(ability::kFencing), 0));
        tables.SetData(kTables);
    }

    bool fill(clsClassEffect& record) {
        return fillLessonRecord(record, teachers, lessons, tables, [this](const std::string& item) {
            asked.push_back(item);
            return item == "木刀" ? wooden : ClassItemStock{};
        });
    }

    clsMngTeacher teachers;
    clsMngClass lessons;
    clsFixTeacherData tables;
    ClassItemStock wooden{.effect = 65551, .risk = 4, .held = 1};
    std::vector<std::string> asked;
};

clsClassEffect recordFor(const std::string& teacher, const std::string& item = "",
                         std::int32_t type = clsClassSchedule::WholeClass,
                         const std::string& lesson = "剣術") {
    auto slot = std::make_shared<clsClassSchedule>();
    slot->ClassName(lesson);
    slot->ClassTeacher(teacher);
    slot->UseItem(item);
    slot->ClassType(type);
    clsClassEffect record;
    record.Schedule(slot);
    record.Character(1);
    return record;
}

TEST(LessonRecord, ATeacherUnderContractFillsTheRecord) {
    struct Case {
        const char* name;
        std::string teacher;
        std::int32_t type = clsClassSchedule::WholeClass;
        std::int16_t effect;
    };
    const Case cases[] = {
        {.name = "character plus policy", .teacher = "シオドア", .effect = 2 + 3},
        {.name = "the matching skill: policy plus 7", .teacher = "マリオン", .effect = 5 + 7},
        {.name = "the matching skill, individually: 6 plus 7",
         .teacher = "マリオン",
         .type = clsClassSchedule::Individual,
         .effect = 6 + 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sources sources;
        clsClassEffect record = recordFor(c.teacher, "", c.type);
        ASSERT_TRUE(sources.fill(record));
        EXPECT_EQ(record.TeacherEffect(), c.effect);
        EXPECT_EQ(record.TeacherAbility(), 3 * ability::kFencing);
        EXPECT_EQ(record.ClassEffectPoint(), 100);
        EXPECT_EQ(record.ClassRisk(), 5);
        EXPECT_EQ(record.ItemRisk(), 0);
        EXPECT_EQ(record.ItemMethod(), 0);
        EXPECT_TRUE(sources.asked.empty()) << "no item, no lookup";
    }
}

TEST(LessonRecord, TheClassItemCountsOnlyWhileOneIsHeld) {
    struct Case {
        const char* name;
        std::string item;
        std::int32_t held;
        std::int16_t risk;
        std::int32_t method, data;
    };
    const Case cases[] = {
        {"held", "木刀", 1, 4, 1, 15},
        {"none left", "木刀", 0, 0, 0, 0},
        {"unknown to the store", "聖剣", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sources sources;
        sources.wooden.held = c.held;
        clsClassEffect record = recordFor("シオドア", c.item);
        ASSERT_TRUE(sources.fill(record));
        EXPECT_EQ(sources.asked, std::vector<std::string>{c.item});
        EXPECT_EQ(record.ItemRisk(), c.risk);
        EXPECT_EQ(record.ItemMethod(), c.method);
        EXPECT_EQ(record.ItemData(), c.data);
    }
}

TEST(LessonRecord, NoLessonWithoutAContractedTeacher) {
    for (const std::string teacher : {"ロスコウ", "", "誰か"}) {
        SCOPED_TRACE(teacher);
        Sources sources;
        clsClassEffect record = recordFor(teacher, "木刀");
        EXPECT_FALSE(sources.fill(record));
        EXPECT_EQ(record.TeacherEffect(), 0);
        EXPECT_EQ(record.TeacherAbility(), 0);
        EXPECT_EQ(record.ItemRisk(), 0);
        EXPECT_TRUE(sources.asked.empty());
        EXPECT_EQ(errorOf([&] { record.ClassRisk(); }), ErrorNumber::ObjectNotSet) << "no lesson was set";
    }
}

TEST(LessonRecord, ALessonTheCatalogueDoesNotHoldRaisesItsError) {
    Sources sources;
    clsClassEffect record = recordFor("シオドア", "", clsClassSchedule::WholeClass, "槍術");
    EXPECT_EQ(errorOf([&] { sources.fill(record); }), ErrorNumber::InvalidCall);
}

} // namespace
