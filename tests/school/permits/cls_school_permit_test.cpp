#include "host/text/width.h"
#include "school/permits/cls_school_permit.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

// Records the permit's events in the order they were raised.
struct PermitLog {
    explicit PermitLog(clsSchoolPermit& permit) {
        permit.Report.subscribe([this](std::string& text) { entries.push_back("Report:" + text); });
        permit.CompleteConst.subscribe([this](std::int32_t& type, std::int16_t& flag) {
            entries.push_back("CompleteConst:" + std::to_string(type) + "," + std::to_string(flag));
        });
        permit.StatusRefresh.subscribe([this] { entries.push_back("StatusRefresh"); });
    }
    std::vector<std::string> entries;
};

std::string wordOf(const clsSchoolPermit& permit) {
    std::string save = permit.GetSaveData();
    return save.substr(0, save.find(':'));
}

} // namespace

TEST(SchoolPermit, NewGameWordAndFields) {
    clsSchoolPermit permit;
    EXPECT_EQ(permit.GetSaveData(), "33872:0:0:0::False");
    EXPECT_EQ(permit.GetRank(), 0);
    EXPECT_EQ(permit.GetSchoolScale(), 1);
    EXPECT_EQ(permit.GetSchoolhouseScale(), 1);
    EXPECT_EQ(permit.GetDormitoryScale(), 0);
    EXPECT_EQ(permit.GetSchoolYear(), 1);
    EXPECT_EQ(permit.GetSponserCount(), 2);
    EXPECT_FALSE(permit.GetFullTimeClass());
    EXPECT_FALSE(permit.GetFullTimeClassAsWait());
    EXPECT_EQ(permit.GetFullTimeNumber(), 4);
    EXPECT_EQ(permit.GetConstruct(false), "建設:なし");
}

TEST(SchoolPermit, EachOperationMovesOnlyItsOwnBits) {
    struct {
        const char* name;
        std::function<void(clsSchoolPermit&)> step;
        const char* word;
    } cases[] = {
        {"RankUp", [](clsSchoolPermit& p) { p.RankUp(); }, "33873"},
        {"SetFullTimeClass(1)", [](clsSchoolPermit& p) { p.SetFullTimeClass(1); }, "33880"},
        {"ShoolScaleUp", [](clsSchoolPermit& p) { p.ShoolScaleUp(); }, "33888"},
        {"SchoolhouseScaleUp", [](clsSchoolPermit& p) { p.SchoolhouseScaleUp(); }, "33936"},
        {"DormitoryScaleUp", [](clsSchoolPermit& p) { p.DormitoryScaleUp(); }, "34128"},
        {"SchoolYearincrease", [](clsSchoolPermit& p) { p.SchoolYearincrease(); }, "34896"},
        {"SponserIncrease", [](clsSchoolPermit& p) { p.SponserIncrease(); }, "50256"},
    };
    for (const auto& c : cases) {
        clsSchoolPermit permit;
        c.step(permit);
        EXPECT_EQ(wordOf(permit), c.word) << c.name;
    }
}

TEST(SchoolPermit, IncreasesStopAtTheirLimitsWithoutTouchingNeighbours) {
    struct {
        const char* name;
        std::function<void(clsSchoolPermit&)> step;
        std::function<std::int16_t(const clsSchoolPermit&)> read;
        std::int16_t limit;
    } cases[] = {
        {"rank", [](clsSchoolPermit& p) { p.RankUp(); }, [](const clsSchoolPermit& p) { return p.GetRank(); },
         7},
        {"grounds", [](clsSchoolPermit& p) { p.ShoolScaleUp(); },
         [](const clsSchoolPermit& p) { return p.GetSchoolScale(); }, 3},
        {"schoolhouse", [](clsSchoolPermit& p) { p.SchoolhouseScaleUp(); },
         [](const clsSchoolPermit& p) { return p.GetSchoolhouseScale(); }, 3},
        {"dormitory", [](clsSchoolPermit& p) { p.DormitoryScaleUp(); },
         [](const clsSchoolPermit& p) { return p.GetDormitoryScale(); }, 3},
        {"years", [](clsSchoolPermit& p) { p.SchoolYearincrease(); },
         [](const clsSchoolPermit& p) { return p.GetSchoolYear(); }, 6},
        {"sponsors", [](clsSchoolPermit& p) { p.SponserIncrease(); },
         [](const clsSchoolPermit& p) { return p.GetSponserCount(); }, 6},
    };
    for (const auto& c : cases) {
        clsSchoolPermit permit;
        clsSchoolPermit untouched;
        for (int i = 0; i < 12; ++i)
            c.step(permit);
        EXPECT_EQ(c.read(permit), c.limit) << c.name;
        // Every other field keeps its new-game value.
        for (const auto& other : cases) {
            if (&other == &c) continue;
            EXPECT_EQ(other.read(permit), other.read(untouched)) << c.name << " moved " << other.name;
        }
        EXPECT_FALSE(permit.GetFullTimeClass()) << c.name;
    }
}

TEST(SchoolPermit, RankChangesReportTheNewLetterAndStopAtTheEnds) {
    clsSchoolPermit permit;
    PermitLog log(permit);
    permit.RankDown(); // already "G"
    EXPECT_TRUE(log.entries.empty());

    permit.RankUp();
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"Report:学園のランクがFに上がりました", "StatusRefresh"}));
    for (int i = 0; i < 6; ++i)
        permit.RankUp();
    log.entries.clear();
    permit.RankUp(); // already "S"
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(permit.GetRank(), 7);

    permit.RankDown();
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"Report:学園のランクがAに下がりました", "StatusRefresh"}));
}

TEST(SchoolPermit, RankLetters) {
    const char* letters[] = {"G", "F", "E", "D", "C", "B", "A", "S"};
    for (std::int16_t rank = 0; rank < 8; ++rank)
        EXPECT_EQ(clsSchoolPermit::GetRankString(rank), letters[rank]);
    EXPECT_EQ(clsSchoolPermit::GetRankString(-1), "");
    EXPECT_EQ(clsSchoolPermit::GetRankString(8), "");
}

TEST(SchoolPermit, WorkCountsDownAndCompletesBeforeItsReport) {
    clsSchoolPermit permit;
    PermitLog log(permit);
    permit.SetConstruct(1, 6, 3, "図書館");
    EXPECT_EQ(permit.GetConstruct(false), "建設:図書館(3)");
    permit.NextDay();
    EXPECT_EQ(permit.GetConstruct(false), "建設:図書館(2)");
    permit.NextDay();
    EXPECT_EQ(permit.GetWork(), 1);
    EXPECT_TRUE(log.entries.empty());

    permit.NextDay();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"CompleteConst:1,6", "Report:図書館が完成しました"}));
    EXPECT_EQ(permit.GetWork(), 0);
    EXPECT_EQ(permit.GetConstruct(false), "建設:なし");
    EXPECT_EQ(permit.GetConstruct(true), "図書館"); // the name outlives the work

    permit.NextDay();
    EXPECT_EQ(log.entries.size(), 2u); // finished once only
}

TEST(SchoolPermit, WorkOfOneDayFinishesAtOnceAndOfZeroNever) {
    clsSchoolPermit oneDay;
    PermitLog oneLog(oneDay);
    oneDay.SetConstruct(6, 0, 1, "学生寮");
    oneDay.NextDay();
    EXPECT_EQ(oneLog.entries.front(), "CompleteConst:6,0");

    clsSchoolPermit zeroDays;
    PermitLog zeroLog(zeroDays);
    zeroDays.SetConstruct(2, 3, 0, "教室");
    EXPECT_EQ(zeroDays.GetConstruct(false), "建設:なし");
    for (int i = 0; i < 30; ++i)
        zeroDays.NextDay();
    EXPECT_TRUE(zeroLog.entries.empty());
}

TEST(SchoolPermit, EightPeriodsStartAtOnceOnTheFirstElseNextMonth) {
    clsSchoolPermit onFirst;
    onFirst.SetFullTimeClass(1);
    EXPECT_EQ(onFirst.GetFullTimeNumber(), 8);

    clsSchoolPermit midMonth;
    midMonth.SetFullTimeClass(5);
    EXPECT_EQ(midMonth.GetFullTimeNumber(), 4);
    EXPECT_FALSE(midMonth.GetFullTimeClass());
    EXPECT_TRUE(midMonth.GetFullTimeClassAsWait());
    for (int i = 0; i < 23; ++i)
        midMonth.NextDay();
    EXPECT_EQ(midMonth.GetFullTimeNumber(), 4);
    midMonth.NextMonth();
    EXPECT_EQ(midMonth.GetFullTimeNumber(), 8);
    midMonth.NextMonth();
    EXPECT_EQ(midMonth.GetFullTimeNumber(), 8);
}

TEST(SchoolPermit, SaveTextRoundTripsThroughTheNarrowedSave) {
    clsSchoolPermit permit;
    permit.RankUp();
    permit.DormitoryScaleUp();
    permit.SetFullTimeClass(9);
    permit.SetConstruct(5, 2, 12, "第２校舎");
    std::string saved = permit.GetSaveData();
    EXPECT_EQ(saved, "34129:12:5:2:第２校舎:True");

    clsSchoolPermit loaded;
    loaded.SetSaveData(host::text::toNarrow(saved)); // the facade narrows the whole save
    EXPECT_EQ(loaded.GetSaveData(), saved);
    EXPECT_TRUE(loaded.GetFullTimeClassAsWait());
    EXPECT_EQ(loaded.GetConstruct(false), "建設:第２校舎(12)");
}

TEST(SchoolPermit, SetDataInitRestoresTheNewGame) {
    clsSchoolPermit permit;
    permit.SetSaveData("50000:3:1:4:食堂:True");
    permit.SetDataInit();
    EXPECT_EQ(permit.GetSaveData(), "33872:0:0:0::False");
}

TEST(SchoolPermit, BadSaveTextFailsAndChangesNothing) {
    struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"33872:0:0:0:", ErrorNumber::SubscriptOutOfRange},
        {"", ErrorNumber::SubscriptOutOfRange},
        {"x:0:0:0::False", ErrorNumber::TypeMismatch},
        {"33872:40000:0:0::False", ErrorNumber::Overflow},
        {"33872:-1:1:4:食堂:False", ErrorNumber::InvalidCall},
        {"33872:0:0:0:食堂:maybe", ErrorNumber::TypeMismatch},
    };
    for (const auto& c : cases) {
        clsSchoolPermit permit;
        permit.SetConstruct(1, 6, 3, "図書館");
        std::string before = permit.GetSaveData();
        EXPECT_EQ(errorOf([&] { permit.SetSaveData(c.text); }), c.error) << c.text;
        EXPECT_EQ(permit.GetSaveData(), before) << c.text;
    }
}
