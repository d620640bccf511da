#include "app/shell/cls_tmp_data.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using host::runtime::Variant;
using testsupport::errorOf;

namespace {

struct Facts : clsTMPData::TimetableFacts {
    std::set<std::string> teachers{"佐藤", "鈴木"};
    std::set<std::string> items{"木刀"};
    bool CheckContractTeacher(const std::string& teacher) const override {
        return teachers.count(teacher) != 0;
    }
    bool CheckItem(const std::string& item) const override { return items.count(item) != 0; }
};

struct Entry {
    std::string student;
    std::string lesson;
    std::string teacher;
    std::string item;
};

// Adds each entry at the slot with the slot's type.
void fill(clsTMPData& CTMP, const Facts& facts, std::int16_t slot, std::int32_t type,
          const std::vector<Entry>& entries) {
    CTMP.SetClassType(slot, type);
    for (const Entry& e : entries) {
        auto s = std::make_shared<clsClassSchedule>();
        s->StudentName(e.student);
        s->Number(slot);
        s->ClassName(e.lesson);
        s->ClassTeacher(e.teacher);
        s->UseItem(e.item);
        s->ClassType(type);
        CTMP.SetClass(s, facts);
    }
}

std::vector<Entry> sameLesson(int students, const std::string& lesson, const std::string& teacher) {
    std::vector<Entry> entries;
    for (int i = 0; i < students; ++i)
        entries.push_back({"生徒" + std::to_string(i), lesson, teacher, ""});
    return entries;
}

TEST(clsTMPDataTimetable, CheckClassReportsTheFirstBrokenRule) {
    const std::string whole = "全体授業に、複数の授業が設定されています";
    const std::string unset = "授業、担当教師が設定されていません";
    const std::string six = "個別授業に6人以上が同じ授業を設定しています";
    struct Case {
        const char* name;
        std::int32_t type;
        std::vector<Entry> entries;
        bool passes;
        std::string message;
    };
    std::vector<Entry> sixThenGone = sameLesson(6, "剣術", "佐藤");
    sixThenGone[5].teacher = "山田";
    const Case cases[] = {
        {"whole class, one lesson and teacher", 1, sameLesson(3, "剣術", "佐藤"), true, ""},
        {"whole class, another teacher",
         1,
         {{"A", "剣術", "佐藤", ""}, {"B", "剣術", "鈴木", ""}},
         false,
         whole},
        {"whole class, another lesson",
         1,
         {{"A", "剣術", "佐藤", ""}, {"B", "弓術", "佐藤", ""}},
         false,
         whole},
        {"first entry without a teacher",
         1,
         {{"A", "剣術", "", ""}, {"B", "弓術", "山田", ""}},
         false,
         unset},
        {"individual, entry without a lesson", 2, {{"A", "", "佐藤", ""}}, false, unset},
        {"individual, five on one lesson", 2, sameLesson(5, "剣術", "佐藤"), true, ""},
        {"individual, six on one lesson", 2, sameLesson(6, "剣術", "佐藤"), false, six},
        {"individual, six but a teacher gone first", 2, sixThenGone, false, "教師が存在しません"},
        {"individual, teacher whose contract ended",
         2,
         {{"A", "剣術", "山田", ""}},
         false,
         "教師が存在しません"},
        {"no lesson with empty entries", 3, {{"A", "", "", ""}}, true, ""},
        {"unset type, different lessons",
         0,
         {{"A", "剣術", "佐藤", ""}, {"B", "弓術", "鈴木", ""}},
         true,
         ""},
        {"unset type, missing teacher", 0, {{"A", "剣術", "", ""}}, false, unset},
        {"no entries", 1, {}, true, ""},
    };
    for (const Case& c : cases) {
        clsTMPData CTMP;
        Facts facts;
        fill(CTMP, facts, 12, c.type, c.entries);
        std::string message = "untouched";
        EXPECT_EQ(CTMP.CheckClass(12, message, facts), c.passes) << c.name;
        EXPECT_EQ(message, c.passes ? "untouched" : c.message) << c.name;
    }
}

TEST(clsTMPDataTimetable, AnItemNoLongerHeldIsDroppedOrFailsTheCheck) {
    clsTMPData CTMP;
    Facts facts;
    fill(CTMP, facts, 4, 2, {{"A", "剣術", "佐藤", "木刀"}, {"B", "剣術", "佐藤", "盾"}});
    EXPECT_EQ(CTMP.GetClassData().item("B:4")->UseItem(), "") << "SetClass drops an item not held";

    facts.items.clear();
    std::string message;
    EXPECT_FALSE(CTMP.CheckClass(4, message, facts));
    EXPECT_EQ(message, "アイテムが存在しません");

    const auto rows = CTMP.GetClass(4, facts);
    EXPECT_EQ(rows.item(1).Data(4), "");
    EXPECT_EQ(CTMP.GetClassData().item("A:4")->UseItem(), "") << "reading the rows clears the entry";
    message.clear();
    EXPECT_TRUE(CTMP.CheckClass(4, message, facts));
}

TEST(clsTMPDataTimetable, SlotRowsShowTheCheckMarkAndOnlyTeachersUnderContract) {
    clsTMPData CTMP;
    Facts facts;
    fill(CTMP, facts, 7, 1, {{"A", "剣術", "佐藤", "木刀"}});
    fill(CTMP, facts, 8, 2, {{"A", "弓術", "佐藤", ""}});
    facts.teachers.erase("佐藤");
    const auto whole = CTMP.GetClass(7, facts);
    ASSERT_EQ(whole.count(), 1);
    EXPECT_EQ(whole.item(1).Data(0), "1");
    EXPECT_EQ(whole.item(1).Data(1), "A");
    EXPECT_EQ(whole.item(1).Data(2), "剣術");
    EXPECT_EQ(whole.item(1).Data(3), "") << "a teacher whose contract ended";
    EXPECT_EQ(whole.item(1).Data(4), "木刀");
    EXPECT_EQ(whole.item(1).Cols(), 6);
    EXPECT_EQ(CTMP.GetClass(8, facts).item(1).Data(0), "0");
}

TEST(clsTMPDataTimetable, SlotSummariesComeFromTheFirstEntryOfAWholeClassSlot) {
    clsTMPData CTMP;
    Facts facts;
    fill(CTMP, facts, 1, 1, {{"A", "剣術", "佐藤", "木刀"}, {"B", "弓術", "鈴木", ""}});
    fill(CTMP, facts, 2, 2, {{"A", "剣術", "佐藤", "木刀"}});
    fill(CTMP, facts, 3, 3, {{"A", "剣術", "佐藤", "木刀"}});
    CTMP.SetClassType(5, 1);
    struct Case {
        std::int16_t slot;
        std::string lesson, teacher, item;
    };
    const Case cases[] = {
        {1, "剣術", "佐藤", "木刀"},
        {2, "個別授業", "", ""},
        {3, "個別授業", "", ""},
        {5, "", "", ""}, // whole class without entries
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTMP.GetClassName(c.slot), c.lesson) << "slot " << c.slot;
        EXPECT_EQ(CTMP.GetClassTeacher(c.slot), c.teacher) << "slot " << c.slot;
        EXPECT_EQ(CTMP.GetUseItem(c.slot), c.item) << "slot " << c.slot;
    }
}

TEST(clsTMPDataTimetable, ScheduleAndCopyRewriteOnlyTheirEntry) {
    clsTMPData CTMP;
    Facts facts;
    fill(CTMP, facts, 3, 1, {{"A", "剣術", "佐藤", "木刀"}});
    fill(CTMP, facts, 11, 2, {{"A", "弓術", "鈴木", ""}});
    CTMP.SetClassCopy("A", 11, 3);
    const clsClassSchedule& copied = *CTMP.GetClassData().item("A:11");
    EXPECT_EQ(copied.ClassName(), "剣術");
    EXPECT_EQ(copied.ClassTeacher(), "佐藤");
    EXPECT_EQ(copied.UseItem(), "木刀");
    EXPECT_EQ(copied.ClassType(), 2);
    EXPECT_EQ(copied.Number(), 11);

    CTMP.SetClassType(3, 2);
    CTMP.SetSchedule(3, "A", "槍術", "鈴木", "");
    const clsClassSchedule& rewritten = *CTMP.GetClassData().item("A:3");
    EXPECT_EQ(rewritten.ClassName(), "槍術");
    EXPECT_EQ(rewritten.ClassTeacher(), "鈴木");
    EXPECT_EQ(rewritten.UseItem(), "");
    EXPECT_EQ(rewritten.ClassType(), 2) << "takes the slot's current type";

    EXPECT_EQ(errorOf([&] { CTMP.SetSchedule(4, "A", "槍術", "鈴木", ""); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { CTMP.SetClassCopy("B", 11, 3); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { fill(CTMP, facts, 3, 2, {{"A", "", "", ""}}); }), ErrorNumber::DuplicateKey);

    CTMP.ClassClear();
    EXPECT_EQ(CTMP.GetClassData().count(), 0);
    EXPECT_EQ(CTMP.GetClassType(11), 2) << "types outlive the entries";
}

TEST(clsTMPDataTimetable, TheTipNamesTheEditedSlot) {
    clsTMPData CTMP;
    CTMP.SetClassType(12, 2);
    CTMP.SetDataSingle(clsTMPData::kEditedSlot, Variant(std::int16_t(12)));
    EXPECT_EQ(CTMP.GetClassTips(),
              "火曜日5時間目の授業を設定します\r\n個別授業は五人まで同じ授業を受けられます");
    CTMP.SetDataSingle(clsTMPData::kEditedSlot, Variant(std::int16_t(39)));
    EXPECT_EQ(CTMP.GetClassTips(), "金曜日8時間目の授業を設定します");
    CTMP.SetDataSingle(clsTMPData::kEditedSlot, Variant(std::int16_t(40)));
    EXPECT_EQ(errorOf([&] { (void)CTMP.GetClassTips(); }), ErrorNumber::SubscriptOutOfRange);
}

TEST(clsTMPDataTimetable, ASlotOutsideTheWeekIsTheSubscriptError) {
    clsTMPData CTMP;
    const Facts facts;
    std::string message;
    for (std::int16_t slot : {std::int16_t(-1), std::int16_t(40)}) {
        EXPECT_EQ(errorOf([&] { CTMP.SetClassType(slot, 1); }), ErrorNumber::SubscriptOutOfRange) << slot;
        EXPECT_EQ(errorOf([&] { (void)CTMP.GetClassType(slot); }), ErrorNumber::SubscriptOutOfRange) << slot;
        EXPECT_EQ(errorOf([&] { (void)CTMP.GetClass(slot, facts); }), ErrorNumber::SubscriptOutOfRange)
            << slot;
        EXPECT_EQ(errorOf([&] { (void)CTMP.CheckClass(slot, message, facts); }),
                  ErrorNumber::SubscriptOutOfRange)
            << slot;
        EXPECT_EQ(errorOf([&] { (void)CTMP.GetClassName(slot); }), ErrorNumber::SubscriptOutOfRange) << slot;
        EXPECT_EQ(errorOf([&] { (void)CTMP.GetClassTeacher(slot); }), ErrorNumber::SubscriptOutOfRange)
            << slot;
        EXPECT_EQ(errorOf([&] { (void)CTMP.GetUseItem(slot); }), ErrorNumber::SubscriptOutOfRange) << slot;
    }
}

} // namespace
