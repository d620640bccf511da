#include "students/lessons/cls_mng_schedule.h"

#include "host/runtime/strings.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::Collection;
using host::runtime::ErrorNumber;
using host::runtime::Join;
using host::runtime::Split;
using testsupport::errorOf;

namespace {

std::vector<std::string> freshSlots() {
    std::vector<std::string> slots;
    for (int day = 1; day <= 5; ++day)
        for (int period = 1; period <= 8; ++period)
            slots.push_back(std::to_string(day) + ";" + std::to_string(period) + ";;;;0;");
    return slots;
}

Collection<clsPassageData> teachers(std::initializer_list<const char*> names) {
    Collection<clsPassageData> list;
    for (const char* name : names) {
        clsPassageData teacher;
        teacher.Name(name);
        list.add(teacher, name);
    }
    return list;
}

Collection<clsGetGridData> items(std::initializer_list<const char*> names) {
    Collection<clsGetGridData> list;
    for (const char* name : names) {
        clsGetGridData row;
        row.SetCols(2);
        row.Data(0, name);
        list.add(row);
    }
    return list;
}

// Books every period 1..periods of every weekday with one lesson and teacher.
void book(clsMngSchedule& schedule, int periods, const char* teacher) {
    for (std::int16_t day = 1; day <= 5; ++day)
        for (std::int16_t period = 1; period <= periods; ++period) {
            auto slot = schedule.GetClassSchedule(day, period);
            slot->ClassName("剣術基礎");
            slot->ClassTeacher(teacher);
        }
}

} // namespace

TEST(TimetableSlot, SaveTextRoundTripWidensTexts) {
    clsClassSchedule slot;
    EXPECT_EQ(slot.GetSaveData(), "0;0;;;;0;");

    slot.SetSaveData("3;7;ｹﾝｼﾞｭﾂ;ﾀﾞﾝﾃ;ABC;2;ｶﾞｸ;extra;more");
    EXPECT_EQ(slot.DayofWeek(), 3);
    EXPECT_EQ(slot.Number(), 7);
    EXPECT_EQ(slot.ClassName(), "ケンジュツ");
    EXPECT_EQ(slot.ClassTeacher(), "ダンテ");
    EXPECT_EQ(slot.UseItem(), "ＡＢＣ");
    EXPECT_EQ(slot.ClassType(), 2);
    EXPECT_EQ(slot.StudentName(), "ガク");
    EXPECT_EQ(slot.GetSaveData(), "3;7;ケンジュツ;ダンテ;ＡＢＣ;2;ガク");
}

TEST(TimetableSlot, BadSlotTextFailsAndChangesNothing) {
    clsClassSchedule slot;
    slot.SetSaveData("1;2;剣術;先生;;1;");
    struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"1;2;剣術;先生;;1", ErrorNumber::SubscriptOutOfRange},
        {"", ErrorNumber::SubscriptOutOfRange},
        {"x;2;剣術;先生;;1;", ErrorNumber::TypeMismatch},
        {"1;2;剣術;先生;;一;", ErrorNumber::TypeMismatch},
        {"1;70000;剣術;先生;;1;", ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { slot.SetSaveData(c.text); }), c.error) << c.text;
        EXPECT_EQ(slot.GetSaveData(), "1;2;剣術;先生;;1;") << c.text;
    }
}

TEST(WeeklyTimetable, NewTimetableSavesFortyNumberedSlots) {
    clsMngSchedule schedule;
    const std::string text = schedule.GetSaveData();
    auto parts = Split(text, "\\");
    ASSERT_EQ(parts.size(), 40u);
    EXPECT_EQ(parts.front(), "1;1;;;;0;");
    EXPECT_EQ(parts[9], "2;2;;;;0;");
    EXPECT_EQ(parts.back(), "5;8;;;;0;");
    EXPECT_EQ(text, Join(freshSlots(), "\\"));
}

TEST(WeeklyTimetable, OnlyExactlyFortyPartsLoadAndOtherCountsAreRefused) {
    auto slots = freshSlots();
    slots[0] = "1;1;剣術基礎;ダンテ;木刀;1;";
    slots[39] = "5;8;弓術;リン;;2;";
    const std::string forty = Join(slots, "\\");

    auto less = slots;
    less.pop_back();
    auto more = slots;
    more.push_back("5;8;;;;0;");
    for (const auto& text : {Join(less, "\\"), Join(more, "\\"), std::string()}) {
        clsMngSchedule schedule;
        schedule.SetSaveData(forty);
        EXPECT_EQ(errorOf([&] { schedule.SetSaveData(text); }), ErrorNumber::InvalidCall);
        EXPECT_EQ(schedule.GetSaveData(), forty);
    }

    clsMngSchedule schedule;
    schedule.SetSaveData(forty);
    EXPECT_EQ(schedule.GetClassSchedule(1, 1)->UseItem(), "木刀");
    EXPECT_EQ(schedule.GetClassSchedule(5, 8)->ClassType(), 2);

    // A bad slot among forty parts fails before any slot is changed.
    auto bad = slots;
    bad[0] = "1;1;;;;0;";
    bad[20] = "3;5;;;";
    EXPECT_EQ(errorOf([&] { schedule.SetSaveData(Join(bad, "\\")); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(schedule.GetSaveData(), forty);
}

TEST(WeeklyTimetable, SlotsAreSharedRecords) {
    clsMngSchedule first, second;
    auto shared = std::make_shared<clsClassSchedule>();
    first.SetClassSchedule(2, 3, shared);
    second.SetClassSchedule(4, 1, shared);
    shared->ClassTeacher("ダンテ");
    EXPECT_EQ(first.GetClassSchedule(2, 3)->ClassTeacher(), "ダンテ");
    EXPECT_EQ(second.GetClassSchedule(4, 1)->ClassTeacher(), "ダンテ");

    // Loading writes into the record itself, so the other timetable sees it.
    auto slots = freshSlots();
    slots[9] = "2;2;;リン;;1;";
    slots[10] = "2;3;馬術;リン;;1;";
    first.SetSaveData(Join(slots, "\\"));
    EXPECT_EQ(second.GetClassSchedule(4, 1)->ClassName(), "馬術");

    EXPECT_EQ(first.GetClassSchedule(1, 1), first.GetClassSchedule(1, 1));
    struct {
        std::int16_t day, period;
    } outside[] = {{0, 1}, {6, 1}, {1, 0}, {1, 9}, {-1, -1}};
    for (const auto& o : outside) {
        EXPECT_EQ(errorOf([&] { first.GetClassSchedule(o.day, o.period); }),
                  ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(errorOf([&] { first.SetClassSchedule(o.day, o.period, shared); }),
                  ErrorNumber::SubscriptOutOfRange);
    }
}

TEST(WeeklyTimetable, TeacherLookupMatchesWholeNames) {
    clsMngSchedule schedule;
    EXPECT_TRUE(schedule.CheckClassTeacher("")); // no slot has a teacher yet
    book(schedule, 8, "ダンテ");
    EXPECT_TRUE(schedule.CheckClassTeacher("ダンテ"));
    EXPECT_FALSE(schedule.CheckClassTeacher("ダン"));
    EXPECT_FALSE(schedule.CheckClassTeacher(""));
}

TEST(WeeklyTimetable, MonthlyCheck) {
    auto contracted = teachers({"ダンテ", "リン"});
    auto held = items({"木刀", "槍"});

    {
        // Four periods a day: the empty periods 5..8 are not looked at.
        clsMngSchedule schedule;
        book(schedule, 4, "ダンテ");
        EXPECT_TRUE(schedule.CheckClass(4, contracted, held));
        EXPECT_FALSE(schedule.CheckClass(8, contracted, held));
        EXPECT_TRUE(schedule.CheckClass(0, contracted, held));
    }
    {
        // Items no longer held are dropped; held ones stay.
        clsMngSchedule schedule;
        book(schedule, 8, "リン");
        schedule.GetClassSchedule(1, 1)->UseItem("盾");
        schedule.GetClassSchedule(5, 8)->UseItem("木刀");
        EXPECT_TRUE(schedule.CheckClass(8, contracted, held));
        EXPECT_EQ(schedule.GetClassSchedule(1, 1)->UseItem(), "");
        EXPECT_EQ(schedule.GetClassSchedule(5, 8)->UseItem(), "木刀");
    }
    {
        // Monday period 1 without a teacher fails at once: later bookings keep their items.
        clsMngSchedule schedule;
        book(schedule, 8, "リン");
        schedule.GetClassSchedule(1, 1)->ClassTeacher("");
        schedule.GetClassSchedule(1, 2)->UseItem("盾");
        EXPECT_FALSE(schedule.CheckClass(4, contracted, held));
        EXPECT_EQ(schedule.GetClassSchedule(1, 2)->UseItem(), "盾");
    }
    struct {
        const char* what;
        const char* lesson;
        const char* teacher;
    } failing[] = {{"no lesson", "", "リン"}, {"teacher not contracted", "剣術基礎", "ゴロー"}};
    for (const auto& f : failing) {
        clsMngSchedule schedule;
        book(schedule, 8, "リン");
        schedule.GetClassSchedule(3, 4)->ClassName(f.lesson);
        schedule.GetClassSchedule(3, 4)->ClassTeacher(f.teacher);
        EXPECT_FALSE(schedule.CheckClass(4, contracted, held)) << f.what;
    }

    clsMngSchedule schedule;
    EXPECT_EQ(errorOf([&] { schedule.CheckClass(9, contracted, held); }), ErrorNumber::SubscriptOutOfRange);
}

// A game must never be stuck on its first day of a month: periods marked
// no-lesson need nothing, and a school whose teachers have all left lets
// the days pass teaching nothing.
TEST(WeeklyTimetable, MonthlyCheckNeverStopsTheGame) {
    auto contracted = teachers({"リン"});
    auto held = items({});
    {
        clsMngSchedule schedule;
        book(schedule, 4, "リン");
        for (std::int16_t day = 1; day <= 5; ++day) {
            auto slot = schedule.GetClassSchedule(day, 2);
            slot->ClassName("");
            slot->ClassTeacher("");
            slot->ClassType(clsClassSchedule::NoLesson);
        }
        EXPECT_TRUE(schedule.CheckClass(4, contracted, held)) << "periods marked no-lesson";
        schedule.GetClassSchedule(3, 2)->ClassType(clsClassSchedule::WholeClass);
        EXPECT_FALSE(schedule.CheckClass(4, contracted, held)) << "an empty whole-class period still fails";
    }
    {
        clsMngSchedule schedule;
        book(schedule, 4, "ダンテ");
        EXPECT_FALSE(schedule.CheckClass(4, contracted, held)) << "a teacher left, another is there";
        EXPECT_TRUE(schedule.CheckClass(4, teachers({}), held)) << "no teacher under contract";
    }
}

TEST(WeeklyTimetable, ClearingEmptiesLessonsAndTeachersOnly) {
    clsMngSchedule schedule;
    auto slots = freshSlots();
    slots[0] = "1;1;剣術;ダンテ;木刀;1;ガク";
    slots[39] = "5;8;馬術;リン;;2;";
    schedule.SetSaveData(Join(slots, "\\"));
    schedule.ClearSchedule();
    slots[0] = "1;1;;;木刀;1;ガク";
    slots[39] = "5;8;;;;2;";
    EXPECT_EQ(schedule.GetSaveData(), Join(slots, "\\"));
}
