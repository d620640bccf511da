#include "state/cls_data.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "platform/rules/cls_method.h"
#include "school/buildings/building_codes.h"
#include "school/permits/cls_school_permit.h"
#include "school/permits/permit_codes.h"
#include "state/state_support.h"
#include "students/careers/cls_graduate.h"
#include "students/courses.h"
#include "support/draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using statetest::LoadedFacade;
using Rows = host::runtime::Collection<clsGetGridData>;
// Each row as its key followed by its cells.
using Table = std::vector<std::vector<std::string>>;

std::vector<std::string> rowOf(const std::string& key, const clsGetGridData& cells) {
    std::vector<std::string> row{key};
    for (std::int16_t c = 0; c <= cells.Cols(); ++c)
        row.push_back(cells.Data(c));
    return row;
}

Table tableOf(const Rows& rows) {
    Table table;
    for (long i = 1; i <= rows.count(); ++i)
        table.push_back(rowOf(rows.keyAt(i), rows.item(i)));
    return table;
}

std::optional<Table> tableOf(const std::optional<Rows>& rows) {
    if (!rows) return std::nullopt;
    return tableOf(*rows);
}

std::vector<std::string> namesOf(const Rows& rows) {
    std::vector<std::string> names;
    for (const clsGetGridData& row : rows)
        names.push_back(row.Data(1));
    return names;
}

// The school's permit inside the system's save text.
constexpr std::size_t kPermitField = 12;

void raiseRank(clsData& data, std::int16_t rank) {
    auto record = host::runtime::Split(managers(data).system().GetSaveData(), "/");
    clsSchoolPermit permit;
    permit.SetSaveData(record[kPermitField]);
    while (permit.GetRank() < rank)
        permit.RankUp();
    record[kPermitField] = permit.GetSaveData();
    managers(data).system().SetSaveData(host::runtime::Join(record, "/"));
}

// A new game made by the facade, staged so that every argument the facade
// supplies changes some list: rank D, a sponsor of each merit, students on
// the roster and newcomers on offer, materials for a recipe, a contracted
// scout and a defeated monster.
struct School : LoadedFacade {
    School() {
        data.SetDataInit();
        data.TestPlay();
        managers(data).system().AddMoney(10000000);
        raiseRank(data, school_rank::kD);
        data.CreateStudent();
        for (const std::string& name : namesOf(managers(data).students().GetNewComer()))
            managers(data).students().SetNewStudent(name);
        managers(data).students().ClearNewComer();
        data.CreateStudent();
        for (std::int32_t merit :
             {sponsor_merit::kShopItems, sponsor_merit::kCampDiscount, sponsor_merit::kConstructionDiscount})
            data.SetSponsorContract(sponsorWith(merit));
        managers(data).items().ItemAdd("薬草", 2);
        managers(data).items().ItemAdd("清らかな水", 1);
        managers(data).scouts().ScoutDecide(managers(data).scouts().GetScoutData().item(1).Data(1));
        managers(data).lines().SetSaveData(managers(data).lines().GetMonsterName().item(1) + ":1");
    }
    std::string sponsorWith(std::int32_t merit) {
        for (const clsCompany& c : managers(data).companies().Companies())
            if (c.SponsorMerit() == merit && c.SponsorMoney() > 0) return c.CompanyName();
        throw std::runtime_error("no sponsor of merit " + std::to_string(merit));
    }
    void open(MenuKey menu, MenuKey sub = {}) {
        data.SetMenu(menu);
        data.SetSubMenu(sub);
    }
};

// The rows a manager's builder gives on the staged game; none for no collection.
using Build = std::optional<Rows> (*)(clsData&);

struct DispatchCase {
    MenuKey menu;
    MenuKey sub;
    const char* key;
    Build rows;
    // The same builder with another argument: rows the facade must not give.
    std::vector<Build> unlike = {};
};

std::optional<Rows> none(clsData&) {
    return std::nullopt;
}

const DispatchCase kDispatch[] = {
    {.menu = "加工屋",
     .sub = {},
     .key = "加工アイテムリストを表示",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).items().GetProcessItem(d.GetRankAsNumber());
     },
     .unlike = {[](clsData& d) -> std::optional<Rows> {
         return managers(d).items().GetProcessItem(school_rank::kG);
     }}},
    {.menu = "加工屋",
     .sub = {},
     .key = "所持アイテムから検索",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).items().GetEnableProcessItem(d.GetRankAsNumber());
     },
     .unlike = {[](clsData& d) -> std::optional<Rows> {
         return managers(d).items().GetProcessItem(d.GetRankAsNumber());
     }}},
    {.menu = "加工屋", .sub = {}, .key = "", .rows = none},
    {.menu = "加工屋", .sub = {}, .key = "商品を表示する", .rows = none},
    {.menu = "チケット引換所",
     .sub = {},
     .key = "何でも",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).items().GetTicketItem(); }},
    {.menu = "ポイント交換所",
     .sub = {},
     .key = "",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).system().GetPointChange(managers(d).companies().GetConstDiscount());
     },
     .unlike = {[](clsData& d) -> std::optional<Rows> { return managers(d).system().GetPointChange(0); }}},
    {.menu = "王国許可局",
     .sub = {},
     .key = "",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).system().GetBuild(managers(d).companies().GetConstDiscount());
     },
     .unlike = {[](clsData& d) -> std::optional<Rows> { return managers(d).system().GetBuild(0); }}},
    {.menu = "アイテム店",
     .sub = {},
     .key = "所持品を表示する",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).items().GetItemShopData(managers(d).companies().GetItemShopFLG());
     },
     .unlike = {[](clsData& d) -> std::optional<Rows> {
                    return managers(d).items().GetItemShopData(
                        Method().BitOn(0, sponsor_merit::kPermanentStockBit));
                },
                [](clsData& d) -> std::optional<Rows> { return managers(d).items().GetItemSellData(); }}},
    {.menu = "アイテム店",
     .sub = {},
     .key = "商品を表示する",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).items().GetItemSellData(); }},
    {.menu = "アイテム店", .sub = {}, .key = "", .rows = none},
    {.menu = "アイテム店", .sub = {}, .key = "所持品を表示する ", .rows = none},
    {.menu = "アルバイト",
     .sub = {},
     .key = "",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).arbeits().GetArbeitData(managers(d).system().GetMonth());
     },
     .unlike = {[](clsData& d) -> std::optional<Rows> { return managers(d).arbeits().GetArbeitData(1); }}},
    {.menu = "建物データ",
     .sub = "卒業生",
     .key = "学園",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).system().GetConstData(building_work::kConstruction);
     }},
    {.menu = "建物データ",
     .sub = {},
     .key = "校舎",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).system().GetConstData(building_work::kClassroom);
     }},
    {.menu = "建物データ",
     .sub = {},
     .key = "寮",
     .rows = [](clsData& d) -> std::optional<Rows> {
         return managers(d).system().GetConstData(building_work::kFacility);
     }},
    {.menu = "建物データ", .sub = "寮", .key = "アイテム", .rows = none},
    {.menu = "学園データ",
     .sub = "卒業生",
     .key = "アイテム",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).items().GetHoldItemData(); }},
    {.menu = "学園データ",
     .sub = {},
     .key = "スポンサー",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).companies().GetSponsorData(); }},
    {.menu = "学園データ",
     .sub = {},
     .key = "モンスター",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).lines().GetMonsterData(); }},
    {.menu = "学園データ",
     .sub = "アイテム",
     .key = "卒業生",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).students().GetGraduateData(); }},
    {.menu = "学園データ",
     .sub = {},
     .key = "スカウト",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).scouts().GetContract(); }},
    {.menu = "学園データ", .sub = "アイテム", .key = "学園", .rows = none},
    {.menu = "教師を見る",
     .sub = {},
     .key = "",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).teachers().GetContractTeacher(); }},
    {.menu = "生徒を見る",
     .sub = {},
     .key = "",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).students().GetStudentData(); }},
    {.menu = "契約",
     .sub = "スカウト",
     .key = "教師",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).scouts().GetScoutData(); }},
    {.menu = "契約",
     .sub = "教師",
     .key = "スカウト",
     .rows = [](clsData& d) -> std::optional<Rows> { return managers(d).teachers().GetNewComer(); }},
    {.menu = "契約", .sub = {}, .key = "教師", .rows = none},
    {.menu = "契約", .sub = "アイテム", .key = "スカウト", .rows = none},
    {.menu = "合宿",
     .sub = {},
     .key = "",
     .rows =
         [](clsData& d) -> std::
                            optional<Rows> {
                                return managers(d).countries().GetCountry(
                                    d.GetRankAsNumber(), managers(d).companies().GetCampDiscount());
                            },
     .unlike = {[](clsData& d) -> std::optional<Rows> {
                    return managers(d).countries().GetCountry(school_rank::kG,
                                                              managers(d).companies().GetCampDiscount());
                },
                [](clsData& d) -> std::optional<Rows> {
                    return managers(d).countries().GetCountry(d.GetRankAsNumber(), 0);
                }}},
    {.menu = "授業", .sub = {}, .key = "", .rows = none},
    {.menu = "授業中", .sub = {}, .key = "", .rows = none},
    {.menu = {}, .sub = {}, .key = "", .rows = none},
};

TEST(FacadeGridRows, EachMenuAndKeyGivesItsBuildersRowsOrNone) {
    School school;
    for (const DispatchCase& c : kDispatch) {
        SCOPED_TRACE(std::string(c.menu.name()) + " / " + std::string(c.sub.name()) + " / " + c.key);
        school.open(c.menu, c.sub);
        const std::optional<Table> got = tableOf(school.data.GetGridData(c.key));
        const std::optional<Table> want = tableOf(c.rows(school.data));
        EXPECT_EQ(got, want);
        for (Build other : c.unlike)
            EXPECT_NE(want, tableOf(other(school.data))) << "the staged game does not tell the argument";
    }
}

TEST(FacadeGridRows, TheStagedListsAreNotEmptySoTheDispatchTellsThemApart) {
    School school;
    clsData& data = school.data;
    for (const Rows& rows :
         {managers(data).items().GetEnableProcessItem(data.GetRankAsNumber()),
          managers(data).items().GetTicketItem(),
          managers(data).system().GetConstData(building_work::kConstruction),
          managers(data).items().GetHoldItemData(), managers(data).companies().GetSponsorData(),
          managers(data).lines().GetMonsterData(), managers(data).teachers().GetContractTeacher(),
          managers(data).students().GetStudentData(), managers(data).scouts().GetScoutData(),
          managers(data).teachers().GetNewComer()})
        EXPECT_FALSE(rows.empty());
}

TEST(FacadeGridRows, NoContractedScoutReachesTheCallerAsTheManagersError) {
    LoadedFacade loaded;
    clsData& data = loaded.data;
    data.SetDataInit();
    data.TestPlay();
    ASSERT_FALSE(managers(data).scouts().CheckScout());
    const auto errorOf = [](const std::function<void()>& call) -> std::optional<host::runtime::ErrorNumber> {
        try {
            call();
        } catch (const host::runtime::RuntimeError& error) {
            return error.number();
        }
        return std::nullopt;
    };
    const auto scouts = errorOf([&] { managers(data).scouts().GetContract(); });
    ASSERT_TRUE(scouts.has_value());
    data.SetMenu("学園データ");
    EXPECT_EQ(errorOf([&] { data.GetGridData("スカウト"); }), scouts);
}

// Which team, if any, is out when the requests are listed.
enum class Team { None, OnARequest, InTheTournament };

TEST(FacadeGridRows, TheTournamentHeadsTheRequestsOnItsDayUntilATeamIsEntered) {
    struct Case {
        const char* name;
        const char* date;
        Team team;
        bool tournament;
    };
    const Case cases[] = {
        {.name = "June 28", .date = "25:6:28", .team = Team::None, .tournament = true},
        {.name = "June 28, a team on a request",
         .date = "25:6:28",
         .team = Team::OnARequest,
         .tournament = true},
        {.name = "June 28, a team entered",
         .date = "25:6:28",
         .team = Team::InTheTournament,
         .tournament = false},
        {.name = "June 27", .date = "25:6:27", .team = Team::None, .tournament = false},
        {.name = "July 28", .date = "25:7:28", .team = Team::None, .tournament = false},
        {.name = "October 28", .date = "25:10:28", .team = Team::None, .tournament = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        School school;
        clsData& data = school.data;
        data.SetDate(c.date);
        const Rows open = managers(data).system().GetQuest(Rows{}, false, clsGetGridData{});
        ASSERT_FALSE(open.empty());
        const std::string request = open.item(1).Data(1);
        if (c.team != Team::None) {
            clsUnitData team;
            team.QuestName(c.team == Team::OnARequest ? request : "青葉の王国大会");
            managers(data).students().SetQuest(team);
        }
        school.open("依頼");

        const auto rows = data.GetGridData("");
        ASSERT_TRUE(rows.has_value());
        Table got = tableOf(*rows);
        const Table requests = tableOf(
            managers(data).system().GetQuest(managers(data).students().GetQuest(), false, clsGetGridData{}));
        if (c.tournament) {
            const std::int16_t month = managers(data).system().GetMonth();
            ASSERT_FALSE(got.empty());
            EXPECT_EQ(got.front(),
                      rowOf("", managers(data).lines().GetBattleGame(month, data.GetRankAsNumber())));
            EXPECT_NE(got.front()[4], managers(data).lines().GetBattleGame(month, school_rank::kG).Data(3))
                << "the prize follows the school's rank";
            got.erase(got.begin());
        }
        EXPECT_EQ(got, requests);
        for (const auto& row : got)
            EXPECT_FALSE(host::runtime::Like(row[2], "*王国大会"));
        const bool listed =
            std::any_of(got.begin(), got.end(), [&](const auto& row) { return row[2] == request; });
        EXPECT_EQ(listed, c.team != Team::OnARequest);
    }
}

TEST(FacadeGridRows, EachCallOnTheNewcomersReplacesThemWithOneFreshIntake) {
    School school;
    clsData& data = school.data;
    managers(data).students().ClearNewComer();
    data.CreateStudent();
    const long intake = managers(data).students().GetNewComer().count();
    ASSERT_GT(intake, 1);
    school.open("新入生");

    const auto first = data.GetGridData("");
    const auto second = data.GetGridData("");

    ASSERT_TRUE(first.has_value());
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(first->count(), intake);
    EXPECT_EQ(second->count(), intake);
    EXPECT_NE(namesOf(*first), namesOf(*second));
    EXPECT_EQ(tableOf(managers(data).students().GetNewComer()), tableOf(*second))
        << "the first intake is gone";
}

// One graduate in every course, so that the sponsors asking for graduates' careers count them.
void graduateInEveryCourse(clsData& data) {
    std::vector<std::string> graduates;
    for (std::int32_t c = 1; c <= course::kCount; ++c) {
        clsGraduate graduate;
        graduate.Name("卒業生" + std::to_string(c));
        graduate.Course(c);
        graduates.push_back(graduate.GetSaveData());
    }
    auto parts = host::runtime::Split(managers(data).students().GetSaveData(), "/");
    parts[1] = host::runtime::Join(graduates, "\r\n");
    managers(data).students().SetSaveData(host::runtime::Join(parts, "/"));
}

TEST(FacadeGridRows, NewSponsorsAreDrawnAnewOnEveryCall) {
    School school;
    clsData& data = school.data;
    SilentServices& services = *school.services;
    // Shares enough for the sponsors that ask for them: more candidates than offers.
    for (const clsCompany& c : managers(data).companies().Companies())
        if (c.SponsorCondType() == sponsor_condition::kHoldStock)
            data.ChangeHoldStock("購入", c.CompanyName(), static_cast<std::int16_t>(c.SponsorCondValue()));
    graduateInEveryCourse(data);
    school.open("新規スポンサー");
    // The company manager's own offers for the school's snapshot under the same draws.
    const auto offered = [&](const std::vector<float>& draws) {
        clsSponsorCondition snapshot = managers(data).system().GetSponsorCondition();
        managers(data).students().SetSponsorData(snapshot);
        services.scriptDraws(draws);
        return tableOf(managers(data).companies().GetEnableSponsor(snapshot));
    };
    const auto listed = [&](const std::vector<float>& draws) {
        services.scriptDraws(draws);
        return tableOf(*data.GetGridData(""));
    };
    const std::vector<float> first(4, 0.0f);
    const std::vector<float> last(4, 0.99f);
    EXPECT_EQ(listed(first), offered(first));
    EXPECT_EQ(listed(last), offered(last));
    EXPECT_NE(offered(first), offered(last));
    const Table withGraduates = offered(first);
    services.scriptDraws(first);
    const Table withoutGraduates =
        tableOf(managers(data).companies().GetEnableSponsor(managers(data).system().GetSponsorCondition()));
    EXPECT_NE(withGraduates, withoutGraduates) << "the graduates do not tell the snapshot";

    // Every call draws again, once per offer, and offers at most four.
    for (int call = 0; call < 2; ++call) {
        services.scriptDraws(std::vector<float>(4, 0.5f));
        const int before = services.drawCount();
        const auto rows = data.GetGridData("");
        ASSERT_TRUE(rows.has_value());
        EXPECT_EQ(rows->count(), 4);
        EXPECT_EQ(services.drawCount() - before, rows->count());
    }
}

} // namespace
