#include "school/school_fixture.h"
#include "support/error_of.h"

#include "host/runtime/strings.h"
#include "host/sys/clock.h"
#include "host/text/units.h"
#include "host/text/width.h"
#include "platform/records/cls_app_info.h"
#include "platform/services/silent_services.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using schooltest::SchoolFixture;
using testsupport::errorOf;
using namespace std::chrono_literals;

namespace {

// A wall clock that moves only when told to, installed for the test's life.
// Declare it before the fixture: play time is counted from construction.
class ScopedWallClock
    : public host::runtime::ScopedInstall<host::sys::WallClock, host::sys::ManualWallClock> {
  public:
    explicit ScopedWallClock(std::chrono::system_clock::time_point start)
        : ScopedInstall(host::sys::installedWallClock, std::make_unique<host::sys::ManualWallClock>(start)) {}

    void advance(std::chrono::system_clock::duration by) { get()->advance(by); }
};

const auto kStamp = std::chrono::system_clock::from_time_t(1'700'000'000);

const std::string kNewGameRecord =
    "25:4:1:0/0/0/0:0:0/0/0/5/0/1////33872:0:0:0::False/1:2:3:4:5:6:7\r\n0:0:0:0:0:0:0/False/False";

std::vector<std::string> fieldsOf(const std::string& record) {
    return host::runtime::Split(record, "/");
}

} // namespace

TEST(SystemRecord, NewGameRecordIsGolden) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    EXPECT_EQ(f.system.GetSaveData(), kNewGameRecord);
    f.system.SetDataInit();
    EXPECT_EQ(f.system.GetSaveData(), kNewGameRecord);
}

TEST(SystemRecord, NewGameResetsEverythingButTheCatalogues) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    f.system.SetDate("31:11:12");
    f.system.AddMoney(5000);
    f.system.AddKingdomPoint(70);
    f.system.setRank(4);
    f.system.AddBattlePoint(1);
    f.system.ClassCount();
    f.system.finishWork(4, 1);
    f.system.finishWork(6, 0);
    f.system.finishWork(2, 5);
    f.system.SetConstructItem("図書館", "百科事典");
    f.system.SetConstructItem("美術館", "名画");
    f.system.SetConstructItem("礼拝堂", "石像");
    f.system.EndingFLG = true;
    f.system.Ending2FLG = true;
    f.system.cSchoolPermit.SetConstruct(1, 4, 3, "弓道場");
    f.system.SetQuestSuccess("荷運び");
    clock.advance(3h);
    f.log.clear();

    f.system.SetDataInit();
    EXPECT_EQ(f.system.GetSaveData(), kNewGameRecord);
    EXPECT_EQ(f.system.BattlePoint, 0);
    EXPECT_EQ(f.log, (std::vector<std::string>{"SchoolScaleUp:カリキュラム低"}));
    EXPECT_EQ(f.system.GetBuild(0).count(), 7);
}

TEST(SystemRecord, SavingAndLoadingKeepsTheWholeState) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    f.system.SetDate("32:7:19");
    f.system.AddMoney(1'234'567);
    f.system.AddKingdomPoint(4321);
    f.system.setRank(3);
    f.system.AddBattlePoint(2);
    f.system.ClassCount();
    f.system.ClassCount();
    f.system.finishWork(6, 0);
    f.system.finishWork(3, 4);
    f.system.finishWork(2, 5);
    f.system.finishWork(1, 11);
    f.system.SetConstructItem("礼拝堂", "女神像");
    f.system.cSchoolPermit.SetFullTimeClass(7);
    f.system.Money = 1'000'000;
    f.system.SetConstructBuild("美術館", 0);
    f.system.EndingFLG = true;
    f.system.SetQuestSaveData("3:7\r\n1:2");
    clock.advance(1h + 2min + 3s);

    const std::string saved = f.system.GetSaveData();
    EXPECT_EQ(saved, "32:7:19:970000/970000/4321/1:2:3/2/10/1031/9/17//"
                     "/女神像/34131:7:1:5:美術館:True/1:2:3:4:5:6:7\r\n0:0:1:0:0:0:2/True/False");

    SchoolFixture loaded;
    loaded.system.SetSaveData(host::text::toNarrow(saved));
    EXPECT_EQ(loaded.system.GetQuestCount(7), 2);
    EXPECT_EQ(loaded.log.back(), "SchoolScaleUp:カリキュラム低");
    EXPECT_EQ(loaded.system.GetSaveData(), saved);
    EXPECT_EQ(loaded.system.GetDormitoryPhysicalRecover(), 20);
    EXPECT_EQ(loaded.system.GetConstruct(false), "建設:美術館(7)");
}

TEST(SystemRecord, PlayTimeCountsEachStretchOnce) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    clock.advance(10min);
    EXPECT_EQ(fieldsOf(f.system.GetSaveData())[3], "0:10:0");
    clock.advance(10min + 900ms);
    EXPECT_EQ(fieldsOf(f.system.GetSaveData())[3], "0:20:0");

    auto record = fieldsOf(f.system.GetSaveData());
    record[3] = "1:59:30";
    f.system.SetSaveData(host::runtime::Join(record, "/"));
    EXPECT_EQ(fieldsOf(f.system.GetSaveData())[3], "1:59:30");
    clock.advance(45s);
    EXPECT_EQ(fieldsOf(f.system.GetSaveData())[3], "2:0:15");
    EXPECT_EQ(fieldsOf(f.system.GetUnitSaveData())[2], "2:0:15");

    f.system.SetDataInit();
    EXPECT_EQ(fieldsOf(f.system.GetSaveData())[3], "0:0:0");
}

TEST(SystemRecord, PlayTimeOfAGameCountsFromItsStart) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    clock.advance(25min); // loading and the title screen
    f.system.StartPlayTime();
    clock.advance(1h + 30s);
    EXPECT_EQ(fieldsOf(f.system.GetSaveData())[3], "1:0:30");

    clock.advance(2h); // a game played on, then a new one started
    f.system.StartPlayTime();
    clock.advance(5s);
    EXPECT_EQ(fieldsOf(f.system.GetSaveData())[3], "0:0:5");
}

TEST(SystemRecord, ItemsComeBackFullWidthAndEmptyItemsStayEmpty) {
    SchoolFixture f;
    auto record = fieldsOf(kNewGameRecord);
    record[9] = "ﾃﾞｨｸｼｮﾅﾘｰ";
    record[11] = "ABC";
    f.system.SetSaveData(host::runtime::Join(record, "/"));
    EXPECT_EQ(f.system.LibraryItem, "ディクショナリー");
    EXPECT_EQ(f.system.MuseumItem, "");
    EXPECT_EQ(f.system.ChapelItem, "ＡＢＣ");
}

TEST(SystemRecord, ARecordThatDoesNotReadChangesNothing) {
    struct {
        const char* name;
        std::size_t field; // replaced, or the record cut to this many fields
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"fifteen fields", 15, nullptr, ErrorNumber::SubscriptOutOfRange},
        {"money", 1, "many", ErrorNumber::TypeMismatch},
        {"money past 32 bits", 1, "3000000000", ErrorNumber::Overflow},
        {"a date of two parts", 0, "26:5", ErrorNumber::SubscriptOutOfRange},
        {"a date off the calendar", 0, "26:13:1:0", ErrorNumber::InvalidCall},
        {"play time", 3, "1:2", ErrorNumber::SubscriptOutOfRange},
        {"play time of 60 minutes", 3, "1:60:0", ErrorNumber::InvalidCall},
        {"battle points past 16 bits", 5, "40000", ErrorNumber::Overflow},
        {"permit", 12, "33872:0:0", ErrorNumber::SubscriptOutOfRange},
        {"permit with a negative work", 12, "33872:-3:1:4:食堂:False", ErrorNumber::InvalidCall},
        {"ending flag", 15, "Maybe", ErrorNumber::TypeMismatch},
        {"quests", 13, "1\r\nx", ErrorNumber::TypeMismatch},
    };
    ScopedWallClock clock(kStamp);
    auto good = fieldsOf("26:5:9:700/700/80/3:4:5/2/12/7/1/3/本/絵/像/33873:0:0:0::False/1\r\n5/True/True");
    for (const auto& c : cases) {
        SchoolFixture f;
        f.system.SetDate("30:9:9");
        f.system.Money = 55;
        const std::string before = f.system.GetSaveData();
        auto record = good;
        if (c.text)
            record[c.field] = c.text;
        else
            record.resize(c.field);
        f.log.clear();
        EXPECT_EQ(errorOf([&] { f.system.SetSaveData(host::runtime::Join(record, "/")); }), c.error)
            << c.name;
        EXPECT_EQ(f.system.GetSaveData(), before) << c.name;
        EXPECT_TRUE(f.log.empty()) << c.name;
    }
}

TEST(SystemRecord, HeaderHasSixFieldsEachClosedByABackslash) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    f.system.SetDate("27:10:3");
    f.system.Money = 123;
    f.system.KingdomPoint = 45;
    clock.advance(61s);

    std::tm local = host::sys::localTime(kStamp + 61s);
    char moment[32];
    std::strftime(moment, sizeof moment, "%Y/%m/%d %H:%M:%S", &local);
    const std::string version = clsAppInfo().Version(4, ":");
    EXPECT_EQ(f.system.GetSaveDataHeader(),
              std::string(moment) + "\\27:10:3\\123\\45\\0:1:1\\" + version + "\\");
    EXPECT_EQ(host::runtime::Split(f.system.GetSaveDataHeader(), "\\").size(), 7u);
    EXPECT_EQ(std::string(moment).size(), 19u);
}

TEST(SystemRecord, TheLargestHeaderFitsItsArea) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    f.system.SetDate("9999:12:28");
    f.system.AddMoney(2'000'000'000);
    f.system.AddKingdomPoint(2'000'000'000);
    auto record = fieldsOf(f.system.GetSaveData());
    record[3] = "9999:59:59";
    f.system.SetSaveData(host::runtime::Join(record, "/"));
    clock.advance(24h * 365 * 20);
    const std::string header = f.system.GetSaveDataHeader();
    EXPECT_NE(header.find("\\9999:12:28\\99999999\\99999\\9999:"), std::string::npos) << header;
    EXPECT_LE(host::text::Len(header), 75);
}

TEST(SystemRecord, UnitExportPartNamesDateRankPlayTimeAndVersion) {
    ScopedWallClock clock(kStamp);
    SchoolFixture f;
    f.system.SetDate("28:6:14");
    f.system.Money = 9876;
    f.system.setRank(6);
    clock.advance(2h + 5s);
    EXPECT_EQ(f.system.GetUnitSaveData(), "28:6:14:9876/6/2:0:5/" + std::to_string(clsAppInfo::kMajor) + ":" +
                                              std::to_string(clsAppInfo::kMinor) + ":" +
                                              std::to_string(clsAppInfo::kRevision));
}

TEST(StudentNames, DrawsComeFromTheListWithItsEndsHalfAsLikely) {
    ScopedSilentServices services;
    SchoolFixture f;
    EXPECT_EQ(errorOf([&] { f.system.GetName(); }), ErrorNumber::SubscriptOutOfRange);

    f.system.SetName("アルマ\r\n\r\nベルナ\r\nセイル\r\n");
    services->scriptDraws({0.0f, 0.24f, 0.26f, 0.74f, 0.76f, 0.99f});
    std::vector<std::string> drawn;
    for (int i = 0; i < 6; ++i)
        drawn.push_back(f.system.GetName());
    EXPECT_EQ(drawn, (std::vector<std::string>{"アルマ", "アルマ", "ベルナ", "ベルナ", "セイル", "セイル"}));

    f.system.SetName("ユノ");
    services->scriptDraws({0.0f, 0.5f, 0.99f});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.system.GetName(), "ユノ");
}
