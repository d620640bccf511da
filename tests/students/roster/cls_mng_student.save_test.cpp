#include "students/roster/cls_mng_student.h"

#include "host/runtime/runtime_error.h"
#include "students/mng_student_support.h"

#include <gtest/gtest.h>

using host::runtime::Join;
using host::runtime::Split;
using studentstest::graduateLine;
using studentstest::studentLine;
using studentstest::StudentShape;

namespace {

// The school timetable of a new game, slot 0 to 39.
std::string defaultTimetable() {
    const char* lessons[4][2] = {{"ウォーキング", "マリオン"},
                                 {"初等攻撃陣形", "ロスコウ"},
                                 {"走りこみ", "ロスコウ"},
                                 {"素振り", "マリオン"}};
    std::vector<std::string> lines;
    for (int day = 1; day <= 5; ++day)
        for (int period = 1; period <= 8; ++period) {
            const std::string head = std::to_string(day) + ";" + std::to_string(period) + ";";
            lines.push_back(period <= 4
                                ? head + lessons[period - 1][0] + ";" + lessons[period - 1][1] + ";;1;"
                                : head + ";;;1;");
        }
    return Join(lines, "\r\n");
}

const std::string kNoTeams = ":::::::\r\n:::::::\r\n:::::::\r\n:::::::\r\n:::::::";

// A student record as the student writes it, timetable included.
std::string savedStudent(const std::string& name, int injury) {
    StudentShape shape;
    shape.name = name;
    shape.injury = injury;
    clsStudent student;
    student.SetSaveData(studentLine(shape));
    return student.GetSaveData();
}

std::string fullText() {
    auto timetable = Split(defaultTimetable(), "\r\n");
    timetable[9] = "2;2;;;;2;";
    timetable[38] = "5;7;剣術基礎;シオドア;木刀;1;";
    return Join({Join({savedStudent("ユキ", 0), savedStudent("アキ", 4)}, "\r\n"),
                 Join({graduateLine("ハル", 16), graduateLine("ナツ", 3)}, "\r\n"),
                 "ユキ:アキ::::鶴翼::\r\n:::::::\r\n::::ユキ:魚鱗::回復薬\r\n:::::::\r\n:::::::",
                 Join(timetable, "\r\n"), "ユキ:アキ::::鶴翼:薬草採取:\r\nアキ::::::王国大会:"},
                "/");
}

class RosterSave : public ::testing::Test {
  protected:
    ScopedSilentServices silent;
    clsMngStudent manager;
};

} // namespace

TEST_F(RosterSave, ANewGameSavesEmptyListsTheDefaultTimetableAndNodata) {
    const std::string text = manager.GetSaveData();
    EXPECT_EQ(text, "//" + kNoTeams + "/" + defaultTimetable() + "/nodata");
    clsMngStudent loaded;
    loaded.SetSaveData(text);
    EXPECT_EQ(loaded.GetSaveData(), text);
}

TEST_F(RosterSave, AFullTextRoundTripsInOrder) {
    manager.SetSaveData(fullText());
    EXPECT_EQ(manager.GetSaveData(), fullText());
    const auto names = manager.GetALLStudentName();
    ASSERT_EQ(names.count(), 2);
    EXPECT_EQ(names.item(1), "ユキ");
    EXPECT_EQ(names.item(2), "アキ");
    EXPECT_EQ(manager.RankUpCondition(), 22);
}

TEST_F(RosterSave, LoadingWidensTheNamesOfEveryList) {
    const std::string narrow =
        Join({savedStudent("ｱｷ", 0), graduateLine("ﾊﾙ", 1),
              "ｱｷ:::::ｶｸ::\r\n:::::::\r\n:::::::\r\n:::::::\r\n:::::::", defaultTimetable(), "ｱｷ::::::ﾔｸｿｳ:"},
             "/");
    manager.SetSaveData(narrow);
    const auto sections = Split(manager.GetSaveData(), "/");
    EXPECT_EQ(Split(sections[0], "@")[0], "アキ");
    EXPECT_EQ(Split(sections[1], ";")[0], "ハル");
    EXPECT_EQ(Split(sections[2], "\r\n")[0], "アキ:::::カク::");
    EXPECT_EQ(sections[4], "アキ::::::ヤクソウ:");
}

TEST_F(RosterSave, QuestSectionsBeginningWithNodaLoadNoTeam) {
    for (const char* quests : {"nodata", "noda", "nodataアキ::::::薬草採取:", "", "nodata/more"}) {
        manager.SetSaveData(fullText());
        auto sections = Split(fullText(), "/");
        sections[4] = quests;
        manager.SetSaveData(Join(sections, "/"));
        EXPECT_EQ(Split(manager.GetSaveData(), "/")[4], "nodata") << quests;
    }
}

TEST_F(RosterSave, ABadTextFailsAndChangesNothing) {
    auto with = [](int section, std::string text) {
        auto sections = Split(fullText(), "/");
        sections[static_cast<std::size_t>(section)] = std::move(text);
        return Join(sections, "/");
    };
    // The default timetable with lines replaced, dropped ("") or added at the end.
    auto timetable = [](std::vector<std::pair<std::size_t, std::string>> lines) {
        auto all = Split(defaultTimetable(), "\r\n");
        for (auto& [index, line] : lines) {
            if (index >= all.size())
                all.push_back(std::move(line));
            else if (line.empty())
                all.erase(all.begin() + static_cast<std::ptrdiff_t>(index));
            else
                all[index] = std::move(line);
        }
        return Join(all, "\r\n");
    };
    struct {
        std::string text;
        host::runtime::ErrorNumber error;
    } cases[] = {
        {"a/b/c/d", host::runtime::ErrorNumber::SubscriptOutOfRange},
        {with(2, ":::::::\r\n:::::::\r\n:::::::\r\n:::::::"),
         host::runtime::ErrorNumber::SubscriptOutOfRange},
        {with(0, savedStudent("ユキ", 0) + "\r\nx@1"), host::runtime::ErrorNumber::SubscriptOutOfRange},
        {with(0, savedStudent("ユキ", 0) + "\r\n" + savedStudent("ユキ", 1)),
         host::runtime::ErrorNumber::DuplicateKey},
        {with(1, graduateLine("ハル", 16) + "\r\n" + graduateLine("ハル", 1)),
         host::runtime::ErrorNumber::DuplicateKey},
        {with(1, "ハル;x;1;騎士;1;0;1;1;1"), host::runtime::ErrorNumber::TypeMismatch},
        {with(3, timetable({{0, "1;x;;;;1;"}})), host::runtime::ErrorNumber::TypeMismatch},
        {with(3, timetable({{1, "1;3;;;;1;"}})),
         host::runtime::ErrorNumber::InvalidCall}, // the second line's place
        {with(3, timetable({{0, "2;1;;;;1;"}})), host::runtime::ErrorNumber::InvalidCall},
        {with(3, timetable({{0, "1;9;;;;1;"}})), host::runtime::ErrorNumber::InvalidCall},
        // Every slot is in the text: a short one would keep slots of the game loaded before.
        {with(3, timetable({{0, "1;1;走りこみ;シオドア;;2;"}, {39, ""}})),
         host::runtime::ErrorNumber::InvalidCall},
        {with(3, "1;1;走りこみ;シオドア;;2;\r\n1;2;;;;3;"), host::runtime::ErrorNumber::InvalidCall},
        {with(3, timetable({{40, "5;8;;;;0;"}})), host::runtime::ErrorNumber::InvalidCall},
        {with(3, ""), host::runtime::ErrorNumber::InvalidCall},
        {with(4, "nod"), host::runtime::ErrorNumber::SubscriptOutOfRange},
        {with(4, "ユキ::::::薬草採取:\r\nアキ::::::薬草採取:"), host::runtime::ErrorNumber::DuplicateKey},
    };
    for (const auto& c : cases) {
        clsMngStudent target;
        target.SetSaveData(fullText());
        try {
            target.SetSaveData(c.text);
            ADD_FAILURE() << c.text.substr(0, 40);
        } catch (const host::runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.error) << c.text.substr(0, 40);
        }
        EXPECT_EQ(target.GetSaveData(), fullText()) << c.text.substr(0, 40);
    }
}

TEST_F(RosterSave, LoadingLeavesTheNewcomersAlone) {
    clsCreateStudentData data;
    data.Scout(clsScoutData{});
    data.StudentName("フユ");
    manager.CreateStudent(data);
    manager.SetSaveData(fullText());
    EXPECT_FALSE(manager.DoubleName("フユ"));
}
