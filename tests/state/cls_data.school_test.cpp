#include "state/cls_data.h"

#include "host/runtime/strings.h"
#include "state/state_support.h"
#include "students/newcomers/cls_create_student_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using statetest::LoadedFacade;
using Rows = host::runtime::Collection<clsGetGridData>;

// A new game made by the facade: one student, this month's newcomers, the
// starting teachers under contract and on offer, no graduate yet.
struct School : LoadedFacade {
    School() {
        data.SetDataInit();
        data.TestPlay();
        clsCreateStudentData student;
        student.StudentName("試験太郎");
        managers(data).students().CreateStudent(student);
        managers(data).students().SetNewStudent("試験太郎");
        data.CreateStudent();
    }
    void open(MenuKey menu, MenuKey sub = {}) {
        data.SetMenu(menu);
        data.SetSubMenu(sub);
    }
};

std::vector<std::string> keysOf(const Rows& rows) {
    std::vector<std::string> keys;
    for (long i = 1; i <= rows.count(); ++i)
        keys.push_back(rows.keyAt(i));
    return keys;
}

// Which list a menu's answer comes from.
enum class List { Students, Newcomers, Teachers, TeacherOffers, Graduates, None };

std::vector<std::string> namesOf(School& school, List list) {
    clsData& data = school.data;
    switch (list) {
    case List::Students:
        return keysOf(managers(data).students().GetStudentAbility(0));
    case List::Newcomers:
        return keysOf(managers(data).students().GetNewStudnetAbility(0));
    case List::Teachers:
        return keysOf(managers(data).teachers().GetContractTeacherAbility(0));
    case List::TeacherOffers:
        return keysOf(managers(data).teachers().GetNewComerTeacherAbility(0));
    case List::Graduates:
    case List::None:
        break;
    }
    return {};
}

struct MenuCase {
    MenuKey menu;
    MenuKey sub;
    List list;
};

const MenuCase kPersonMenus[] = {
    {.menu = "新入生", .sub = {}, .list = List::Newcomers},
    {.menu = "生徒を見る", .sub = {}, .list = List::Students},
    {.menu = "授業", .sub = {}, .list = List::Students},
    {.menu = "教師を見る", .sub = {}, .list = List::Teachers},
    {.menu = "契約", .sub = "教師", .list = List::TeacherOffers},
    {.menu = "契約", .sub = "スカウト", .list = List::None},
    {.menu = "学園データ", .sub = "卒業生", .list = List::Graduates},
    {.menu = "学園データ", .sub = "スポンサー", .list = List::None},
    {.menu = "依頼", .sub = {}, .list = List::None},
    {.menu = {}, .sub = {}, .list = List::None},
};

TEST(FacadeSchoolData, AbilityColumnsComeFromTheOpenMenusListOrNone) {
    School school;
    for (List list : {List::Students, List::Newcomers, List::Teachers, List::TeacherOffers})
        ASSERT_FALSE(namesOf(school, list).empty());
    for (const MenuCase& c : kPersonMenus) {
        SCOPED_TRACE(std::string(c.menu.name()) + "/" + std::string(c.sub.name()));
        school.open(c.menu, c.sub);
        const auto rows = school.data.GetAbilityNumber(0);
        if (c.list == List::None) {
            EXPECT_FALSE(rows.has_value());
            continue;
        }
        ASSERT_TRUE(rows.has_value());
        // No graduate yet: an empty list, not none.
        EXPECT_EQ(keysOf(*rows), namesOf(school, c.list));
    }
}

TEST(FacadeSchoolData, TheAbilityIndexCountsFromZero) {
    School school;
    school.open("生徒を見る");
    const std::string name = "試験太郎";
    const clsGetGridData detail = *school.data.GetSchoolDetailData(name);
    for (std::int16_t n : {0, 16}) {
        SCOPED_TRACE(n);
        const auto rows = school.data.GetAbilityNumber(n);
        ASSERT_TRUE(rows.has_value());
        EXPECT_EQ(rows->item(name).Data(1), school.data.GetStudnetIndivisual(name, n).Data(8));
    }
    EXPECT_GT(detail.Cols(), 0);
}

TEST(FacadeSchoolData, DetailGridsComeFromTheOpenMenusListOrNone) {
    School school;
    for (const MenuCase& c : kPersonMenus) {
        SCOPED_TRACE(std::string(c.menu.name()) + "/" + std::string(c.sub.name()));
        school.open(c.menu, c.sub);
        const auto names = namesOf(school, c.list);
        if (c.list == List::None) {
            EXPECT_FALSE(school.data.GetSchoolDetailData("試験太郎").has_value());
            continue;
        }
        if (names.empty()) continue;
        const auto detail = school.data.GetSchoolDetailData(names.front());
        ASSERT_TRUE(detail.has_value());
        EXPECT_GT(detail->Cols(), 0);
    }
}

TEST(FacadeSchoolTips, TournamentRequestsEndWithThePrizeRuleAndOtherRequestsGiveTheirOwnTip) {
    School school;
    school.open("依頼");
    const std::string tournament = school.data.GetSchoolTips("青葉の王国大会");
    EXPECT_TRUE(host::runtime::Like(tournament, "*\r\n賞金と王国ポイントは優勝したときのみです"));
    EXPECT_EQ(school.data.GetSchoolTips("迷い猫探し"),
              managers(school.data).system().GetQuestTips("迷い猫探し"));
    EXPECT_FALSE(school.data.GetSchoolTips("迷い猫探し").empty());
}

TEST(FacadeSchoolTips, ScoutTipsWeighTheMoneyAtTheMomentOfTheCall) {
    School school;
    school.open("契約", "スカウト");
    const auto offers = managers(school.data).scouts().GetScoutData();
    ASSERT_FALSE(offers.empty());
    const std::string scout = offers.item(1).Data(1);

    managers(school.data).system().AddMoney(100000000);
    EXPECT_TRUE(host::runtime::Like(school.data.GetSchoolTips(scout), "*払えます"));
    managers(school.data).system().SubMoney(school.data.GetMoney());
    EXPECT_TRUE(host::runtime::Like(school.data.GetSchoolTips(scout), "*払えません"));
}

TEST(FacadeSchoolTips, MenusWithoutTipsGiveTheEmptyText) {
    School school;
    struct Case {
        MenuKey menu;
        MenuKey sub;
    };
    const Case cases[] = {
        {.menu = "学園データ", .sub = "卒業生"},
        {.menu = "契約", .sub = "アイテム"},
        {.menu = "株屋", .sub = {}},
        {.menu = {}, .sub = {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.menu.name()) + "/" + std::string(c.sub.name()));
        school.open(c.menu, c.sub);
        EXPECT_EQ(school.data.GetSchoolTips("試験太郎"), "");
    }
}

TEST(FacadeSchoolTips, PersonAndCatalogueMenusAskTheirOwnList) {
    School school;
    clsData& data = school.data;
    const std::string teacher = namesOf(school, List::Teachers).front();
    const std::string offer = namesOf(school, List::TeacherOffers).front();
    const std::string company = managers(data).companies().Companies().item(1).CompanyName();
    const std::string monster = managers(data).lines().GetMonsterName().item(1);

    school.open("生徒を見る");
    EXPECT_EQ(data.GetSchoolTips("試験太郎"), managers(data).students().GetStudentTips(
                                                  "試験太郎", managers(data).system().GetMonth(), false));
    school.open("教師を見る");
    EXPECT_EQ(data.GetSchoolTips(teacher), managers(data).teachers().GetContractTeacherTips(teacher));
    school.open("契約", "教師");
    EXPECT_EQ(data.GetSchoolTips(offer), managers(data).teachers().GetNewComerTips(offer));
    school.open("新規スポンサー");
    EXPECT_EQ(data.GetSchoolTips(company), managers(data).companies().GetSponsorTips(company));
    school.open("学園データ", "スポンサー");
    EXPECT_EQ(data.GetSchoolTips(company), managers(data).companies().GetSponsorTips(company));
    school.open("学園データ", "モンスター");
    EXPECT_EQ(data.GetSchoolTips(monster), managers(data).lines().GetMonsterTips(monster));
    EXPECT_FALSE(data.GetSchoolTips(monster).empty());
}

} // namespace
