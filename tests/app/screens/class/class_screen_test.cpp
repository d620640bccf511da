#include "class_game.h"

#include "app/screens/class/class_screen.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace classtest;

// Periods 5 to 8 need the full-time permit, which a new school lacks.
bool usable(int s) {
    return s % 8 < 4;
}

class ClassScreenTest : public ClassGame {
  protected:
    // Every usable slot but the given ones set to no lesson.
    void noLessonsBut(const std::vector<int>& kept) {
        for (int s = 0; s < 40; ++s)
            if (usable(s) && std::find(kept.begin(), kept.end(), s) == kept.end()) setType(s, kNoLesson);
    }
    std::vector<std::string> studentsAt(std::initializer_list<int> at) {
        std::vector<std::string> names;
        for (int i : at)
            names.push_back(students[static_cast<std::size_t>(i)]);
        return names;
    }
    // The ability a lesson trains, from the facade's lesson list.
    int abilityOf(const std::string& lesson) {
        const auto lessons = data().GetClassData(kLesson, 1, host::runtime::Collection<clsGetGridData>{}, "");
        for (const clsGetGridData& row : *lessons)
            if (row.Data(1) == lesson)
                for (std::size_t i = 0; i < gAbilityNames.size(); ++i)
                    if (gAbilityNames[i] == row.Data(2)) return static_cast<int>(i);
        return -1;
    }
    // Level and experience of one ability, comparable as one number.
    long progress(const std::string& name, int ability) {
        data().SetMenu(menu_key::kStudents);
        const auto levels = data().GetSchoolDetailData(name);
        const clsGetGridData experience = data().GetExperienceAsNumber(name);
        return std::stol(levels->Data(static_cast<std::int16_t>(ability))) * 1000 +
               std::stol(experience.Data(static_cast<std::int16_t>(ability)));
    }
};

TEST_F(ClassScreenTest, TheWeekViewOpensFromTheSchoolScreenOverTheFacadesTimetable) {
    openTimetable();
    EXPECT_EQ(front(), "picClass");
    EXPECT_TRUE(picClass().Enabled());
    EXPECT_FALSE(picSchool().Enabled());
    EXPECT_EQ(data().GetMenu(), menu_key::kTimetable);
    for (int s = 0; s < 40; ++s) {
        SCOPED_TRACE(s);
        EXPECT_TRUE(slot(s).Visible());
        EXPECT_EQ(slot(s).Text(), data().GetClassType(static_cast<std::int16_t>(s)));
        EXPECT_EQ(slot(s).Enable(), usable(s));
        EXPECT_EQ(button("GLClassCopy", s).Enable(), usable(s));
        if (!usable(s)) {
            EXPECT_EQ(slot(s).Text(), kNotAllowed);
        }
    }
    EXPECT_EQ(slot(39).Left(), 660);
    EXPECT_EQ(slot(39).Top(), 310);
    EXPECT_EQ(button("GLClassCopy", 12).ToolTipText(), "C:12");
    EXPECT_EQ(ClassScreen::GetClassSlotCaption(10), "火曜日3時間目の授業設定");
    EXPECT_EQ(ClassScreen::GetClassSlotCaption(39), "金曜日8時間目の授業設定");
    EXPECT_TRUE(button("GLClasstoSchool", kWeekCommit).Enable()) << "May 1";
    EXPECT_EQ(tip(), "授業を設定します\r\n右クリックで全体と個別、休講と変わります");
    writeLook("class_week.png");

    click("GLClasstoSchool", kWeekCancel);
    EXPECT_EQ(front(), "picSchool");
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_FALSE(picClass().Enabled());
    EXPECT_EQ(data().GetMenu(), menu_key::kAcademy);
}

TEST_F(ClassScreenTest, AWholeWeekBuiltByClicksIsCommittedAndTaughtOnTheNextSchoolDay) {
    std::map<int, std::int32_t> typesBefore;
    std::map<std::pair<std::string, int>, std::string> lessonsBefore;
    for (int s = 0; s < 40; ++s) {
        typesBefore[s] = data().GetClassTypeAsNumber(static_cast<std::int16_t>(s));
        for (const std::string& name : students)
            lessonsBefore[{name, s}] = lessonOf(name, s);
    }
    openTimetable();
    noLessonsBut({0, 1, 2, 8});
    setType(0, kWhole);
    setType(1, kIndividual);
    setType(2, kIndividual);
    setType(8, kIndividual);

    // Monday, period 1: the whole class, every student marked.
    click("GLClass", 0);
    ASSERT_TRUE(list().Visible());
    ASSERT_EQ(list().Rows(), 5);
    for (int r = 0; r <= 5; ++r)
        EXPECT_TRUE(list().Checked(static_cast<std::int16_t>(r)));
    EXPECT_FALSE(button("GLClassGrid", kMarkAll).Enable()) << "a whole-class slot keeps every mark";
    clickRow(list(), 2);
    EXPECT_TRUE(list().Checked(2)) << "a click does not unmark a whole-class row";
    const Group whole = setGroup({});
    for (int r = 0; r <= 5; ++r) {
        EXPECT_EQ(list().GetData(static_cast<std::int16_t>(r), 2), whole.lesson);
        EXPECT_EQ(list().GetData(static_cast<std::int16_t>(r), 3), whole.teacher);
        EXPECT_TRUE(list().Checked(static_cast<std::int16_t>(r)));
    }
    ASSERT_TRUE(button("GLClassCommand", kSlotDecide).Enable());
    click("GLClassCommand", kSlotDecide);
    EXPECT_TRUE(slot(0).Visible()) << "back in the week view";

    // Individual slots: groups of one to five, each with its own lesson and teacher.
    struct GroupPlan {
        int slot;
        std::vector<std::vector<int>> groups;
    };
    const std::vector<GroupPlan> plans = {
        {.slot = 1, .groups = {{0}, {1, 2, 3, 4, 5}}},
        {.slot = 2, .groups = {{0, 1}, {2, 3, 4, 5}}},
        {.slot = 8, .groups = {{0, 1, 2}, {3, 4, 5}}},
    };
    std::map<int, std::map<std::string, std::string>> planned; // slot -> student -> lesson
    for (const GroupPlan& plan : plans) {
        SCOPED_TRACE(plan.slot);
        click("GLClass", plan.slot);
        std::vector<Group> set;
        for (const std::vector<int>& members : plan.groups) {
            std::vector<std::string> names;
            for (int i : members)
                names.push_back(students[static_cast<std::size_t>(i)]);
            const Group group = setGroup(names);
            for (const Group& other : set) {
                EXPECT_NE(group.lesson, other.lesson);
                EXPECT_NE(group.teacher, other.teacher);
            }
            set.push_back(group);
            for (const std::string& name : names)
                planned[plan.slot][name] = group.lesson;
            EXPECT_EQ(button("GLClassData", 0).Text(), "") << "the next group starts from a new lesson";
            EXPECT_FALSE(button("GLClassSetting", kTeacher).Enable());
        }
        if (plan.slot == 1) writeLook("class_slot_individual.png");
        ASSERT_TRUE(button("GLClassCommand", kSlotDecide).Enable());
        click("GLClassCommand", kSlotDecide);
    }
    for (const std::string& name : students)
        planned[0][name] = whole.lesson;

    for (int s = 0; s < 40; ++s) {
        EXPECT_EQ(data().GetClassTypeAsNumber(static_cast<std::int16_t>(s)), typesBefore[s]) << "uncommitted";
        for (const std::string& name : students)
            EXPECT_EQ(lessonOf(name, s), (lessonsBefore[{name, s}])) << "uncommitted slot " << s;
    }

    click("GLClasstoSchool", kWeekCommit);
    EXPECT_EQ(front(), "picSchool");
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_EQ(data().GetClassTypeAsNumber(0), 1);
    EXPECT_EQ(data().GetClassTypeAsNumber(1), 2);
    EXPECT_EQ(data().GetClassTypeAsNumber(3), 3);
    EXPECT_EQ(data().GetClassType(3), kNoLesson);
    for (const auto& [s, lessons] : planned)
        for (const auto& [name, lesson] : lessons)
            EXPECT_EQ(lessonOf(name, s), lesson) << "slot " << s << " " << name;

    // Sunday passes; Monday teaches what was committed.
    data().DateForword(1);
    const int trained = abilityOf(whole.lesson);
    ASSERT_GE(trained, 0);
    std::map<std::string, long> before;
    for (const std::string& name : students)
        before[name] = progress(name, trained);
    std::vector<std::string> reports;
    const auto token = data().Report.subscribe([&](std::string& text) { reports.push_back(text); });
    data().DateForword(1);
    data().Report.unsubscribe(token);

    const auto said = [&](const std::string& line) {
        return std::find(reports.begin(), reports.end(), line) != reports.end();
    };
    EXPECT_TRUE(said("1時間目は" + whole.lesson + "です"));
    EXPECT_TRUE(said("2時間目は個別授業です"));
    EXPECT_TRUE(said("3時間目は個別授業です"));
    EXPECT_FALSE(said("4時間目は個別授業です") || said("4時間目は" + whole.lesson + "です")) << "no lesson";
    for (const std::string& name : students) {
        const bool hurt = std::any_of(reports.begin(), reports.end(), [&](const std::string& line) {
            return line.rfind(name + "が", 0) == 0 && line.find("怪我") != std::string::npos;
        });
        if (hurt) continue;
        EXPECT_GT(progress(name, trained), before[name]) << name << " learnt from " << whole.lesson;
    }
}

TEST_F(ClassScreenTest, ASlotsTipTellsItsLessonAndWhetherItIsSound) {
    openTimetable();
    setType(0, kWhole);
    click("GLClass", 0);
    const Group whole = setGroup({});
    click("GLClassCommand", kSlotDecide);

    const host::gdi::Point at = slot(0).originInForm();
    driver.push(host::ui::InputEvent::move(at.x + 10, at.y + 10));
    main->DoEvents();
    EXPECT_EQ(tip(), "授業名:" + whole.lesson + "\r\n教師名:" + whole.teacher +
                         "\r\n使用アイテム:\r\nこの時間の授業設定に問題はありません");
    rightClick("GLClass", 0);
    EXPECT_EQ(slot(0).Text(), kIndividual);
    EXPECT_EQ(tip(), "この時間の授業設定におかしいところがあります\r\n"
                     "個別授業に6人以上が同じ授業を設定しています")
        << "the lessons stay when the type changes";
    driver.push(host::ui::InputEvent::move(400, 500));
    main->DoEvents();
    EXPECT_EQ(tip(), "授業を設定します\r\n右クリックで全体と個別、休講と変わります");
}

TEST_F(ClassScreenTest, ThePickersOfAnIndividualSlotLeaveOutWhatAnotherGroupHas) {
    openTimetable();
    setType(1, kIndividual);
    click("GLClass", 1);
    const auto second = static_cast<std::int16_t>(rowOf(list(), students[1]));
    const std::string unset = list().GetData(second, 2);
    EXPECT_FALSE(button("GLClassSetting", kTeacher).Enable()) << "no lesson picked yet";
    EXPECT_FALSE(button("GLClassSetting", kApply).Enable());
    const Group first = setGroup(studentsAt({0, 1}));

    mark(studentsAt({2}));
    click("GLClassSetting", kLesson);
    ASSERT_TRUE(picMSG().Visible());
    EXPECT_FALSE(picClass().Enabled());
    EXPECT_EQ(dialogText(), "授業を選択してください");
    EXPECT_FALSE(button("GLMSGExcute").Enable()) << "nothing picked yet";
    EXPECT_EQ(rowOf(pickGrid(), first.lesson), -1);
    writeLook("class_picker.png");
    clickRow(pickGrid(), 0);
    EXPECT_TRUE(button("GLMSGExcute").Enable());
    clickRow(pickGrid(), 0);
    EXPECT_FALSE(button("GLMSGExcute").Enable()) << "the mark taken back";
    click("GLMSGCancel");
    EXPECT_TRUE(picClass().Enabled());
    EXPECT_EQ(button("GLClassData", kLesson).Text(), "") << "cancel picks nothing";

    const std::string lesson = pick(kLesson);
    click("GLClassSetting", kTeacher);
    EXPECT_EQ(dialogText(), lesson + "(" + std::to_string(data().GetClassNeedAbility(lesson)) + ")\r\n" +
                                "を担当する教師を選択してください");
    EXPECT_EQ(rowOf(pickGrid(), first.teacher), -1);
    click("GLMSGCancel");

    struct MarkCase {
        std::string name;
        std::vector<int> marked;
        bool apply;
    };
    pick(kTeacher);
    const std::vector<MarkCase> cases = {
        {.name = "none", .marked = {}, .apply = false},
        {.name = "one", .marked = {2}, .apply = true},
        {.name = "four", .marked = {2, 3, 4, 5}, .apply = true},
    };
    for (const MarkCase& c : cases) {
        std::vector<std::string> names;
        for (int i : c.marked)
            names.push_back(students[static_cast<std::size_t>(i)]);
        mark(names);
        EXPECT_EQ(button("GLClassSetting", kApply).Enable(), c.apply) << c.name;
    }
    click("GLClassGrid", kMarkAll);
    EXPECT_FALSE(button("GLClassSetting", kApply).Enable()) << "six on one lesson";
    click("GLClassGrid", kInvert);
    for (int r = 0; r <= list().Rows(); ++r)
        EXPECT_FALSE(list().Checked(static_cast<std::int16_t>(r))) << r;

    mark(studentsAt({2, 3, 4, 5}));
    click("GLClassGrid", kClearMarked);
    for (const std::string& name : studentsAt({2, 3, 4, 5})) {
        const auto row = static_cast<std::int16_t>(rowOf(list(), name));
        EXPECT_EQ(list().GetData(row, 2) + list().GetData(row, 3) + list().GetData(row, 4), "") << name;
        EXPECT_TRUE(list().Checked(row)) << name << " stays marked";
    }
    EXPECT_EQ(list().GetData(second, 2), first.lesson) << "unmarked rows keep theirs";
    EXPECT_FALSE(button("GLClassCommand", kSlotDecide).Enable()) << "four students without a lesson";
    click("GLClassGrid", kInvert);
    click("GLClassGrid", kMarkEmpty);
    for (int r = 0; r <= list().Rows(); ++r)
        EXPECT_TRUE(list().Checked(static_cast<std::int16_t>(r))) << r << ": empty rows marked, marks kept";

    click("GLClassCommand", kSlotCancel);
    click("GLClass", 1);
    EXPECT_EQ(list().GetData(second, 2), unset) << "a cancelled slot keeps nothing";
}

TEST_F(ClassScreenTest, TheWeekCheckListsEveryBadSlotInOrderAndKeepsTheEdits) {
    for (const char* item :
         {"木刀", "稽古槍", "練習用の弓", "鞍", "歴史書", "礼儀作法の本", "茶道具一式", "兵法入門", "工具箱",
          "木馬", "鉄の重り", "木のロザリオ", "水泳用具", "羽ペン", "鍛冶ハンマー"})
        managers(data()).items().ItemAdd(item, 1);
    openTimetable();
    noLessonsBut({0, 1, 2, 3});

    // Monday 1: two lessons in a whole-class slot (two groups, then the type turned).
    setType(0, kIndividual);
    click("GLClass", 0);
    setGroup(studentsAt({0, 1, 2}));
    setGroup(studentsAt({3, 4, 5}));
    click("GLClassCommand", kSlotDecide);
    setType(0, kWhole);
    EXPECT_EQ(tip().substr(tip().rfind("\r\n") + 2), "全体授業に、複数の授業が設定されています");

    // Monday 2: six students on one individual lesson.
    setType(1, kWhole);
    click("GLClass", 1);
    setGroup({});
    click("GLClassCommand", kSlotDecide);
    setType(1, kIndividual);

    // Monday 3: a lesson with an item the school then sells.
    setType(2, kWhole);
    click("GLClass", 2);
    std::string item;
    for (int lessonRow = 0; item.empty() && lessonRow < 8; ++lessonRow) {
        pick(kLesson, lessonRow);
        pick(kTeacher);
        if (button("GLClassSetting", kItem).Enable()) item = pick(kItem);
    }
    ASSERT_FALSE(item.empty()) << "a lesson that uses a held item";
    click("GLClassSetting", kApply);
    click("GLClassCommand", kSlotDecide);

    // Monday 4: a teacher no other slot has leaves the school after the slot is set.
    setType(3, kWhole);
    click("GLClass", 3);
    const Group left = setGroup({}, 0, 2);
    click("GLClassCommand", kSlotDecide);

    std::int16_t one = 1;
    managers(data()).items().ItemDelete(item, one);
    ASSERT_FALSE(data().CheckItem(item));
    managers(data()).teachers().SetCanceled(left.teacher);
    ASSERT_FALSE(data().CheckContractTeacher(left.teacher));

    click("GLClasstoSchool", kWeekCommit);
    EXPECT_EQ(reportText(), "月曜日1時間目\r\n全体授業に、複数の授業が設定されています\r\n"
                            "月曜日2時間目\r\n個別授業に6人以上が同じ授業を設定しています\r\n"
                            "月曜日3時間目\r\nアイテムが存在しません\r\n"
                            "月曜日4時間目\r\n教師が存在しません\r\n"
                            "におかしい設定があります\r\nここをクリックしてください");
    EXPECT_FALSE(picClass().Enabled());
    writeLook("class_week_check_failed.png");
    EXPECT_NE(lessonOf(students[0], 2), left.lesson) << "a bad week is not written";

    click("GMSGReport");
    EXPECT_FALSE(control("GMSGReport").Visible());
    EXPECT_TRUE(picClass().Enabled());
    EXPECT_EQ(front(), "picClass");
    EXPECT_EQ(slot(1).Text(), kIndividual) << "the edits stay";

    // Mended, the week goes through.
    for (int s : {0, 1, 2, 3})
        setType(s, kNoLesson);
    click("GLClasstoSchool", kWeekCommit);
    EXPECT_EQ(front(), "picSchool");
    EXPECT_EQ(data().GetClassTypeAsNumber(0), 3);
}

TEST_F(ClassScreenTest, ACopyButtonDroppedOnAnotherSlotCopiesAfterTheQuestion) {
    openTimetable();
    setType(0, kWhole);
    setType(1, kIndividual);
    setType(2, kNoLesson);
    setType(9, kWhole);
    const std::string facadeLesson = lessonOf(students[0], 9);
    click("GLClass", 9);
    std::vector<std::string> lessonsAt9;
    for (int r = 0; r <= list().Rows(); ++r)
        lessonsAt9.push_back(list().GetData(static_cast<std::int16_t>(r), 2));
    click("GLClassCommand", kSlotCancel);
    click("GLClass", 0);
    click("GLClassSetting", kLesson);
    const int lessonRow = pickGrid().GetData(0, 1) == lessonsAt9.front() ? 1 : 0;
    click("GLMSGCancel");
    const Group whole = setGroup({}, lessonRow);
    click("GLClassCommand", kSlotDecide);

    struct Ignored {
        std::string name;
        std::string onto;
        int ontoIndex;
    };
    const std::vector<Ignored> ignored = {
        {.name = "its own slot", .onto = "GLClass", .ontoIndex = 0},
        {.name = "itself", .onto = "GLClassCopy", .ontoIndex = 0},
        {.name = "a slot without the permit", .onto = "GLClass", .ontoIndex = 4},
        {.name = "a slot without lessons", .onto = "GLClass", .ontoIndex = 2},
    };
    for (const Ignored& c : ignored) {
        drag("GLClassCopy", 0, c.onto, c.ontoIndex);
        EXPECT_FALSE(picMSG().Visible()) << c.name;
        EXPECT_TRUE(picClass().Enabled()) << c.name;
    }
    click("GLClassCopy", 0);
    EXPECT_FALSE(picMSG().Visible()) << "a click is no drag";

    drag("GLClassCopy", 0, "GLClass", 1);
    ASSERT_TRUE(picMSG().Visible());
    EXPECT_EQ(dialogText(), "全体授業と個別授業では、コピーできません");
    EXPECT_FALSE(picClass().Enabled());
    click("GLMSGCancel");
    EXPECT_TRUE(picClass().Enabled());

    drag("GLClassCopy", 0, "GLClassCopy", 9);
    ASSERT_TRUE(picMSG().Visible());
    EXPECT_EQ(dialogText(), "月曜日1時間目の授業設定を\r\n火曜日2時間目の授業設定へ\r\nコピーします");
    click("GLMSGCancel");
    EXPECT_TRUE(picClass().Enabled());
    click("GLClass", 9);
    for (int r = 0; r <= list().Rows(); ++r)
        EXPECT_EQ(list().GetData(static_cast<std::int16_t>(r), 2), lessonsAt9[static_cast<std::size_t>(r)])
            << "いいえ copies nothing";
    click("GLClassCommand", kSlotCancel);

    drag("GLClassCopy", 0, "GLClass", 9);
    ASSERT_TRUE(picMSG().Visible());
    click("GLMSGExcute");
    EXPECT_FALSE(picMSG().Visible());
    EXPECT_TRUE(picClass().Enabled());
    click("GLClass", 9);
    for (int r = 0; r <= list().Rows(); ++r) {
        EXPECT_EQ(list().GetData(static_cast<std::int16_t>(r), 2), whole.lesson);
        EXPECT_EQ(list().GetData(static_cast<std::int16_t>(r), 3), whole.teacher);
    }
    click("GLClassCommand", kSlotCancel);
    EXPECT_EQ(lessonOf(students[0], 9), facadeLesson) << "only the edited timetable changed";
}

TEST_F(ClassScreenTest, OnOtherDaysTheTimetableIsOnlyShownAndNeverCommitted) {
    openTimetable();
    click("GLClasstoSchool", kWeekCancel);
    startDay(5, 2);
    const std::string before = slot(0).Text();
    openTimetable();
    EXPECT_FALSE(button("GLClasstoSchool", kWeekCommit).Enable());
    rightClick("GLClass", 0);
    EXPECT_EQ(slot(0).Text(), before) << "lesson types change only on the first of a month";

    for (int s = 0; s < 4; ++s)
        if (slot(s).Text() != kNoLesson) {
            click("GLClass", s);
            EXPECT_FALSE(button("GLClassSetting", kLesson).Enable());
            EXPECT_FALSE(button("GLClassGrid", kMarkAll).Enable());
            EXPECT_FALSE(button("GLClassCommand", kSlotDecide).Enable());
            EXPECT_TRUE(button("GLClassCommand", kSlotCancel).Enable());
            click("GLClassCommand", kSlotCancel);
            break;
        }
    click("GLClasstoSchool", kWeekCommit);
    EXPECT_EQ(front(), "picClass") << "the disabled button does nothing";
}

} // namespace

namespace {

using classtest::ClassGame;

TEST_F(ClassGame, AGrownSchoolsNewPictureShowsThroughTheClassScreensControls) {
    openTimetable();
    auto corner = [&] {
        std::vector<host::gdi::COLORREF> pixels;
        for (int x : {3, 20, 50, 80})
            pixels.push_back(slot(0).look()->bitmap().pixel(x, 3));
        return pixels;
    };
    const auto before = corner();
    std::string image = "タイトル";
    data().SchoolScaleUp.raise(image);
    EXPECT_NE(corner(), before);
}

} // namespace
