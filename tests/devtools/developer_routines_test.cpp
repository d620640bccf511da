// The developers' routines on the running game: each changes it only as the
// operations it calls do.
#include "devtools/program_folder.h"
#include "platform/graphics/images.h"
#include "state/save/save_managers.h"
#include "state/state_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using host::runtime::ErrorNumber;
using testsupport::errorOf;

struct DeveloperRoutines : testing::Test {
    DeveloperRoutines() { game.data.SetDataInit(); }
    SaveParts parts() { return getSaveParts(managers(game.data).saveManagers()); }
    std::string part(SavePart which) { return partOf(parts(), which); }
    clsMngItem& items() { return managers(game.data).items(); }

    statetest::LoadedFacade game;
};

TEST_F(DeveloperRoutines, DebugItemAddLeavesTheSameInventoryWhateverWasHeld) {
    const std::string expected = [&] {
        clsMngItem::DebugItemReport report = items().DebugItemAdd();
        EXPECT_EQ(report.makeable, std::vector<std::string>{"ハーブティー"});
        EXPECT_EQ(report.herbsAfterDelete, 5);
        EXPECT_EQ(report.potionLimit, 0);
        EXPECT_EQ(report.stimulantLimit, 0);
        EXPECT_EQ(report.saveAfterReload, items().GetSaveData());
        return items().GetSaveData();
    }();
    EXPECT_EQ(items().ItemStorage("薬草"), 8);
    EXPECT_EQ(items().ItemStorage("赤いきのこ"), 3);
    EXPECT_TRUE(expected.ends_with("/13")) << expected;
    EXPECT_NE(expected.find("薬草;3:0:4:0:5:0:9:0:10:0:11:0:12:0:13:0"), std::string::npos) << expected;
    EXPECT_NE(expected.find("赤いきのこ;6:0:7:0:8:0"), std::string::npos) << expected;

    items().DebugItemAddTest();
    items().ItemAdd("ポーション", 4);
    items().DebugItemAdd();
    EXPECT_EQ(items().GetSaveData(), expected);
}

TEST_F(DeveloperRoutines, DebugItemAddTestAddsItsFiveItems) {
    items().DebugItemAddTest();
    struct Case {
        const char* item;
        std::int16_t held;
    } cases[] = {
        {"薬草", 10}, {"ホワイトチケット", 10}, {"気力の腕輪", 10}, {"ヨイチの心", 10}, {"王国簡易事典", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(items().ItemStorage(c.item), c.held) << c.item;
}

TEST_F(DeveloperRoutines, DebugTicketAddsFiftyPrizesWithoutUsingATicket) {
    items().ItemAdd("ホワイトチケット", 3);
    const std::vector<std::string> prizes = items().DebugTicket();
    ASSERT_EQ(prizes.size(), 50u);
    std::map<std::string, int> expected;
    for (const std::string& prize : prizes)
        ++expected[prize];
    expected["ホワイトチケット"] += 3;
    for (const auto& [item, count] : expected)
        EXPECT_EQ(items().ItemStorage(item), count) << item;
    EXPECT_TRUE(game.services->waits().empty());
}

TEST_F(DeveloperRoutines, DebugItemCheckComparesNamesExactly) {
    struct Case {
        const char* name;
        bool known;
    } cases[] = {
        {"", true}, {"薬草", true}, {"ホワイトチケット", true}, {"ﾎﾜｲﾄﾁｹｯﾄ", false}, {"無い物", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(items().DebugItemCheck(c.name), c.known) << c.name;
}

TEST_F(DeveloperRoutines, DebugItemTestRaisesItsEventOncePerBattleItemAndTheFacadeHearsNothing) {
    int tested = 0;
    items().BattleItemTest.subscribe([&](clsBattleItem&) { ++tested; });
    int reports = 0;
    game.data.Report.subscribe([&](std::string&) { ++reports; });
    items().DebugItemTest();
    EXPECT_EQ(tested, items().GetDataBattleItem().count());
    EXPECT_GT(tested, 0);
    EXPECT_EQ(reports, 0);
}

TEST_F(DeveloperRoutines, TestMonsterItemNamesTheDropsNotHeld) {
    const std::vector<std::string> before = managers(game.data).lines().TestMonsterItem(game.data);
    ASSERT_FALSE(before.empty());
    const std::string first = before.front();
    const std::string item = first.substr(first.find(':') + 1);
    items().ItemAdd(item, 1);
    const std::vector<std::string> after = managers(game.data).lines().TestMonsterItem(game.data);
    EXPECT_EQ(std::count(after.begin(), after.end(), first), 0);
    for (const std::string& entry : after)
        EXPECT_NE(entry.substr(entry.find(':') + 1), item);
}

TEST_F(DeveloperRoutines, TestSchoolCalcBuildsTheRivalSchoolsTeam) {
    const auto sheet = managers(game.data).lines().TestSchoolCalc();
    ASSERT_TRUE(sheet);
    EXPECT_GT(sheet->Physical(), 0);
}

TEST_F(DeveloperRoutines, TheFacadesRoutinesChangeOnlyWhatTheirOperationsChange) {
    for (int i = 0; i < 3; ++i)
        game.data.CreateStudent();
    const SaveParts before = parts();

    game.data.TestArbeit();
    SaveParts after = parts();
    for (SavePart p : kSavePartOrder)
        if (p != SavePart::Student) {
            EXPECT_EQ(partOf(after, p), partOf(before, p)) << static_cast<int>(p);
        }

    // Monday's period 5 (slot 4) holds a lesson, as period 1 does in a new
    // game; its place's picture is in the store.
    auto pictures = std::make_unique<clsImages>();
    auto place = std::make_unique<host::gdi::DeviceContext>(1, 1);
    pictures->AddImage("内庭", place, 1, 1);
    const host::runtime::ScopedInstall<clsImages> store(gImages, std::move(pictures));
    game.data.SetClassTypeAsNumber(4, clsClassSchedule::WholeClass, "ウォーキング", "マリオン", "");
    const SaveParts withLesson = parts();
    int classEnds = 0;
    game.data.ClassEnd.subscribe([&] { ++classEnds; });
    std::vector<std::string> reports;
    game.data.Report.subscribe([&](std::string& text) { reports.push_back(text); });
    game.data.TestStudy();
    after = parts();
    for (SavePart p : kSavePartOrder)
        if (p != SavePart::Student) {
            EXPECT_EQ(partOf(after, p), partOf(withLesson, p)) << static_cast<int>(p);
        }
    EXPECT_EQ(classEnds, 0);
    EXPECT_EQ(reports, std::vector<std::string>{"5時間目はウォーキングです"});
}

TEST_F(DeveloperRoutines, TestLineCalcSheetsEveryFormationInCatalogueOrder) {
    const std::vector<clsData::FormationSheet> sheets = game.data.TestLineCalc();
    std::vector<std::string> names;
    for (const auto& sheet : sheets) {
        names.push_back(sheet.formation);
        EXPECT_TRUE(sheet.sheet) << sheet.formation;
    }
    std::vector<std::string> catalogue;
    for (const std::string& name : managers(game.data).lines().GetLineName(""))
        catalogue.push_back(name);
    EXPECT_EQ(names, catalogue);
}

TEST(FormationDump, SevenLinesPerFormationWithShortestNumbersAndTheSums) {
    devtest::TempProgramFolder folder("formation_dump");
    clsLines lines;
    lines.SetLines("甲陣,攻撃,剣士,2,4,0,45,15\r\n乙陣,防御,槍兵,1,1,1,40,10");
    lines.SetLineDatas("甲陣,1,5,3,剣士,1,1.2,1\r\n甲陣,2,4,2,剣士,1,1,0.8\r\n甲陣,3,4,4,剣士,1,1,0.8\r\n"
                       "甲陣,4,2,2,弓兵,1,0.8,0.5\r\n甲陣,5,2,4,弓兵,1,0.25,0.5\r\n"
                       "乙陣,1,3,3,槍兵,2,1,1.5\r\n乙陣,2,3,1,槍兵,0.5,1,1\r\n乙陣,3,3,5,槍兵,0.5,1,1\r\n"
                       "乙陣,4,1,2,槍兵,0.5,0.5,1\r\n乙陣,5,1,4,槍兵,0.5,0.5,1");
    const std::string expected =
        "甲陣\r\n1=1,1.2,1\r\n2=1,1,0.8\r\n3=1,1,0.8\r\n4=1,0.8,0.5\r\n5=1,0.25,0.5\r\n"
        "計5,4.25,3.6\r\n"
        "乙陣\r\n1=2,1,1.5\r\n2=0.5,1,1\r\n3=0.5,1,1\r\n4=0.5,0.5,1\r\n5=0.5,0.5,1\r\n"
        "計4,4,5.5\r\n";
    EXPECT_EQ(lines.TestLineCalc(), expected);
    EXPECT_EQ(folder.read("TotalLineData.txt"), expected + "\r\n");
}

} // namespace
