#include "students/abilities.h"
#include "students/teachers/cls_mng_teacher.h"

#include "students/mng_teacher_support.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using studentstest::Reports;
using teachertest::cells;
using teachertest::names;
using teachertest::picks;
using testsupport::errorOf;

namespace {

using Names = std::vector<std::string>;

class TeacherRoster : public ::testing::Test {
  protected:
    void SetUp() override { roster.SetTeacherData(teachertest::catalogue()); }

    // A new game whose first offers are the rows at these positions.
    void newGame(std::initializer_list<int> offers) {
        roster.SetInitTeacher();
        services->scriptDraws(picks(offers));
        roster.SetNewComer(false);
    }

    const clsPassageData& contracted(const std::string& name) const {
        return roster.GetContractTeacherName().item(name);
    }

    ScopedSilentServices services;
    clsMngTeacher roster;
};

TEST_F(TeacherRoster, NewGameStartsWithThreeTeachersAndFourOthersOnOffer) {
    // シオドア (1), マリオン (3) and ロスコウ (5) are under contract and drawn again.
    newGame({1, 0, 3, 2, 0, 5, 4, 7});
    EXPECT_EQ(services->drawCount(), 8);

    const auto contracts = roster.GetContractTeacher();
    ASSERT_EQ(contracts.count(), 3);
    EXPECT_EQ(cells(contracts.item(1)),
              (Names{"0", "シオドア", "感情", "放任", "32", "3", "2800", "0", "45"}));
    EXPECT_EQ(cells(contracts.item(2)),
              (Names{"0", "マリオン", "感覚", "革新", "54", "4", "2200", "0", "90"}));
    EXPECT_EQ(cells(contracts.item(3)),
              (Names{"0", "ロスコウ", "感情", "詰め込み", "57", "2", "900", "0", "35"}));

    // An offer shows the catalogue age and contract length, and stage "0".
    const auto offers = roster.GetNewComer();
    EXPECT_EQ(names(offers), (Names{"アデル", "ブルーノ", "セシル", "エミール"}));
    EXPECT_EQ(cells(offers.item(1)), (Names{"0", "アデル", "思考", "管理", "40", "2", "600", "0", "30"}));
    EXPECT_EQ(cells(offers.item(3)), (Names{"0", "セシル", "思考", "のんびり", "28", "5", "600", "0", "10"}));
    EXPECT_TRUE(roster.CheckNewTeacher());
    EXPECT_EQ(roster.GetContractTeacherCount(), 3);
}

TEST_F(TeacherRoster, NewGameNeedsTheThreeTeachersInTheCatalogue) {
    clsMngTeacher small;
    small.SetTeacherData(teachertest::teacherRow("シオドア", 1, 1, 30, 1, 1, 1));
    EXPECT_EQ(errorOf([&] { small.SetInitTeacher(); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(small.GetContractTeacherCount(), 0);
    EXPECT_FALSE(small.CheckNewTeacher());
}

TEST_F(TeacherRoster, OffersOnlyTheFreeTeachersWhenFewerThanFourAre) {
    struct {
        const char* what;
        std::string save;
        std::vector<float> draws;
        Names offers;
    } cases[] = {
        {"five contracted, three free: taken ones are drawn again",
         "/アデル:40:2:0\r\nシオドア:30:3:0\r\nブルーノ:50:1:0\r\nマリオン:55:4:0\r\nセシル:28:5:0",
         picks({0, 7, 7, 4, 6, 1, 5}),
         {"エミール", "ダリア", "ロスコウ"}},
        {"seven contracted, one free",
         "/アデル:40:2:0\r\nシオドア:30:3:0\r\nブルーノ:50:1:0\r\nマリオン:55:4:0\r\nセシル:28:5:0\r\n"
         "ロスコウ:58:2:0\r\nダリア:33:3:0",
         picks({3, 7}),
         {"エミール"}},
        {"all contracted: no draw",
         "/アデル:40:2:0\r\nシオドア:30:3:0\r\nブルーノ:50:1:0\r\nマリオン:55:4:0\r\nセシル:28:5:0\r\n"
         "ロスコウ:58:2:0\r\nダリア:33:3:0\r\nエミール:62:1:0",
         {},
         {}},
    };
    for (const auto& c : cases) {
        roster.SetSaveData(c.save);
        services->scriptDraws(c.draws);
        roster.SetNewComer(false);
        EXPECT_EQ(names(roster.GetNewComer()), c.offers) << c.what;
        EXPECT_EQ(roster.CheckNewTeacher(), !c.offers.empty()) << c.what;
    }

    clsMngTeacher empty;
    empty.SetNewComer(true);
    EXPECT_FALSE(empty.CheckNewTeacher());
    EXPECT_FALSE(empty.CheckIsMinTeacher());
    EXPECT_TRUE(roster.CheckIsMinTeacher());
}

TEST_F(TeacherRoster, ContractTakesAnOfferAtItsAgeForTheCatalogueLength) {
    // ダリア is offered at an age of her own, as after an April contract end.
    roster.SetSaveData("ダリア:36:0:0\r\nセシル:28:0:0/");
    EXPECT_EQ(roster.GetContractMoney("ダリア"), 600 * 3);
    roster.SetContract("ダリア");
    EXPECT_EQ(contracted("ダリア").Age(), 36);
    EXPECT_EQ(contracted("ダリア").Period(), 3);
    EXPECT_EQ(contracted("ダリア").Dissatisfaction(), 0);
    EXPECT_EQ(names(roster.GetNewComer()), Names{"セシル"});

    // Only an offered catalogue teacher can be contracted.
    for (const char* name : {"ダリア", "ブルーノ", "ゾーエ"})
        EXPECT_EQ(errorOf([&] { roster.SetContract(name); }), ErrorNumber::InvalidCall) << name;
    EXPECT_EQ(roster.GetContractTeacherCount(), 1);

    roster.SetSaveData("/ダリア:40:1:30");
    roster.SetContractContinue("ダリア");
    EXPECT_EQ(contracted("ダリア").Period(), 3);
    EXPECT_EQ(contracted("ダリア").Dissatisfaction(), 30);
    roster.SetCanceled("ダリア");
    EXPECT_FALSE(roster.CheckContractTeacher("ダリア"));
    EXPECT_EQ(errorOf([&] { roster.SetCanceled("ダリア"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { roster.SetContractContinue("ダリア"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { roster.GetContractMoney("ゾーエ"); }), ErrorNumber::InvalidCall);
}

TEST_F(TeacherRoster, ContractPriceBeyond32BitsIsHeldAtTheLargestValue) {
    clsMngTeacher dear;
    // 17 abilities at 32767 and twelve skills: a salary near 1.8 million, for 32767 years.
    std::vector<std::string> fields = {"ゾーエ", "1", "1", "30", "32767"};
    for (int n = 1; n <= ability::kCount; ++n)
        fields.push_back("32767");
    fields.push_back("4095");
    dear.SetTeacherData(host::runtime::Join(fields, ","));
    EXPECT_EQ(dear.GetContractMoney("ゾーエ"), 2147483647);
}

TEST_F(TeacherRoster, TenTeachersAreTheLimit) {
    clsMngTeacher big;
    std::vector<std::string> rows, save;
    for (int i = 0; i < 10; ++i) {
        const std::string name = std::string("教師").append(std::to_string(i));
        rows.push_back(teachertest::teacherRow(name, 1, 1, 30, 1, 1, 1));
        save.push_back(name + ":30:1:0");
    }
    big.SetTeacherData(host::runtime::Join(rows, "\r\n"));
    big.SetSaveData(
        std::string("/").append(host::runtime::Join(Names(save.begin(), save.end() - 1), "\r\n")));
    EXPECT_TRUE(big.CheckIsMaxTeacher());
    big.SetSaveData(std::string("/").append(host::runtime::Join(save, "\r\n")));
    EXPECT_FALSE(big.CheckIsMaxTeacher());
    EXPECT_EQ(big.GetContractTeacherCount(), 10);
}

TEST_F(TeacherRoster, AprilPassageAgesRetiresAndEndsContracts) {
    roster.SetSaveData("/シオドア:60:1:40\r\nマリオン:59:1:30\r\nロスコウ:70:3:20\r\nアデル:44:2:10");
    Reports reports(roster);
    // Four new offers; マリオン, now on offer, and the contracted are drawn again.
    services->scriptDraws(picks({3, 5, 2, 1, 6, 0, 4}));
    roster.SetNewComer(true);

    EXPECT_EQ(reports.texts, (Names{"シオドアは引退しました", "マリオンとの契約が終了しました",
                                    "4月の間は「契約」から再び契約できます"}));
    const auto contracts = roster.GetContractTeacher();
    EXPECT_EQ(names(contracts), (Names{"ロスコウ", "アデル"}));
    // A teacher above 60 with years left stays; every teacher was visited.
    EXPECT_EQ(contracted("ロスコウ").Age(), 71);
    EXPECT_EQ(contracted("ロスコウ").Period(), 2);
    EXPECT_EQ(contracted("アデル").Age(), 45);
    EXPECT_EQ(contracted("アデル").Period(), 1);

    // The ended contract is offered at the age reached, beside four new ones.
    const auto offers = roster.GetNewComer();
    EXPECT_EQ(names(offers), (Names{"マリオン", "ブルーノ", "シオドア", "ダリア", "セシル"}));
    EXPECT_EQ(offers.item(1).Data(4), "60");
    EXPECT_EQ(offers.item(3).Data(4), "30") << "a retired teacher is offered again as the catalogue has him";

    // Contracted again: the catalogue length, the age reached, no dissatisfaction.
    roster.SetContract("マリオン");
    EXPECT_EQ(contracted("マリオン").Age(), 60);
    EXPECT_EQ(contracted("マリオン").Period(), 4);
    EXPECT_EQ(contracted("マリオン").Dissatisfaction(), 0);

    // A month that is not April passes no year.
    services->scriptDraws(picks({0, 1, 2, 4, 6}));
    roster.SetNewComer(false);
    EXPECT_EQ(contracted("ロスコウ").Age(), 71);
    EXPECT_EQ(names(roster.GetNewComer()), (Names{"シオドア", "ブルーノ", "セシル", "ダリア"}));
}

TEST_F(TeacherRoster, SaveStringRoundTrip) {
    newGame({0, 2, 4, 6});
    roster.SetTeacherBonus("マリオン", "極小");
    const std::string golden = "アデル:40:0:0\r\nブルーノ:50:0:0\r\nセシル:28:0:0\r\nダリア:33:0:0/"
                               "シオドア:32:3:0\r\nマリオン:54:4:0\r\nロスコウ:57:2:0";
    EXPECT_EQ(roster.GetSaveData(), golden);

    clsMngTeacher loaded;
    loaded.SetTeacherData(teachertest::catalogue());
    loaded.SetSaveData(golden);
    EXPECT_EQ(loaded.GetSaveData(), golden);

    // The facade hands the text over narrowed; names come back wide, and an
    // offer keeps only name and age.
    loaded.SetSaveData("ｾｼﾙ:28:5:9/ﾏﾘｵﾝ:61:2:77");
    EXPECT_EQ(loaded.GetSaveData(), "セシル:28:0:0/マリオン:61:2:77");
    EXPECT_EQ(cells(loaded.GetContractTeacher().item(1))[7], "4");

    // No offers: the text begins with "/" and loads back empty.
    loaded.NewComerClear();
    EXPECT_EQ(loaded.GetSaveData(), "/マリオン:61:2:77");
    loaded.SetSaveData("/マリオン:61:2:77");
    EXPECT_FALSE(loaded.CheckNewTeacher());
    loaded.ContractClear();
    EXPECT_EQ(loaded.GetSaveData(), "/");
    loaded.SetSaveData("/");
    EXPECT_EQ(loaded.GetContractTeacherCount(), 0);

    roster.SetDataInit();
    EXPECT_EQ(roster.GetSaveData(), "/");
    EXPECT_TRUE(roster.CheckIsMinTeacher());
}

TEST_F(TeacherRoster, DamagedSaveStringChangesNothing) {
    newGame({0, 2, 4, 6});
    const std::string before = roster.GetSaveData();
    struct {
        const char* what;
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"empty", "", ErrorNumber::SubscriptOutOfRange},
        {"no \"/\"", "アデル:40:0:0", ErrorNumber::SubscriptOutOfRange},
        {"offer without age", "アデル/", ErrorNumber::SubscriptOutOfRange},
        {"contract without dissatisfaction", "/アデル:40:2", ErrorNumber::SubscriptOutOfRange},
        {"age not a number", "アデル:四十:0:0/", ErrorNumber::TypeMismatch},
        {"dissatisfaction not a number", "/アデル:40:2:x", ErrorNumber::TypeMismatch},
        {"age beyond 16 bits", "アデル:40000:0:0/", ErrorNumber::Overflow},
        {"offer repeated", "アデル:40:0:0\r\nアデル:41:0:0/", ErrorNumber::DuplicateKey},
        {"contract repeated", "/アデル:40:2:0\r\nｱﾃﾞﾙ:40:2:0", ErrorNumber::DuplicateKey},
        {"contract outside the catalogue", "/ゴースト:40:2:0", ErrorNumber::InvalidCall},
        {"offer outside the catalogue", "ゴースト:40/シオドア:32:3:0", ErrorNumber::InvalidCall},
        {"offer without a name", ":40/", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { roster.SetSaveData(c.text); }), c.error) << c.what;
        EXPECT_EQ(roster.GetSaveData(), before) << c.what;
    }
}

TEST_F(TeacherRoster, CatalogueLoadsEveryRowOnce) {
    EXPECT_EQ(roster.GetTeacher("シオドア").Age(), 30);
    EXPECT_EQ(roster.GetTeacherDataDetail("エミール").Data(16), "25");
    EXPECT_EQ(errorOf([&] { roster.GetTeacher("ゾーエ"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { roster.SetTeacherData(teachertest::teacherRow("ｾｼﾙ", 1, 1, 1, 1, 1, 1)); }),
              ErrorNumber::DuplicateKey);
    EXPECT_EQ(errorOf([&] { roster.SetTeacherData("ゾーエ,1,1,30"); }), ErrorNumber::SubscriptOutOfRange);
    // An empty name would be no key: even two such rows would load.
    EXPECT_EQ(errorOf([&] { roster.SetTeacherData(teachertest::teacherRow("", 1, 1, 30, 1, 1, 1)); }),
              ErrorNumber::InvalidCall);
}

TEST_F(TeacherRoster, TipsNameSkillsAndTheContractCount) {
    newGame({0, 2, 4, 6});
    EXPECT_EQ(roster.GetContractTeacherTips("シオドア"),
              "以下のスキルを持っているようです\r\n剣術マスター\r\n鉄の意志");
    EXPECT_EQ(roster.GetNewComerTips("マリオン"), "以下のスキルを持っているようです\r\n剣術マスター");
    EXPECT_EQ(roster.GetNewComerTips("アデル"), "特殊スキルは持っていないようです");
    // Bit 13 is no skill.
    clsMngTeacher odd;
    odd.SetTeacherData(teachertest::teacherRow("ゾーエ", 1, 1, 30, 1, 1, 1, 4096));
    EXPECT_EQ(odd.GetNewComerTips("ゾーエ"), "特殊スキルは持っていないようです");
    EXPECT_EQ(errorOf([&] { roster.GetNewComerTips("ゾーエ"); }), ErrorNumber::InvalidCall);

    EXPECT_EQ(roster.GetMenuNewComerTips(), "教師契約数:3人\r\n教師最大契約数:10人");
    roster.ContractClear();
    EXPECT_EQ(roster.GetMenuNewComerTips(), "教師契約数:0人\r\n教師最大契約数:10人");
}

TEST_F(TeacherRoster, AbilityAndTimetableRows) {
    newGame({0, 2, 4, 6});
    const auto offered = roster.GetNewComerTeacherAbility(0);
    EXPECT_EQ(names(offered, 0), (Names{"アデル", "ブルーノ", "セシル", "ダリア"}));
    EXPECT_EQ(names(offered), (Names{"30", "60", "10", "70"}));
    EXPECT_EQ(offered.item("セシル").Data(1), "10");
    EXPECT_EQ(names(roster.GetContractTeacherAbility(16)), (Names{"12", "20", "16"}));
    EXPECT_EQ(names(roster.GetContractTeacherAbility(1)), (Names{"20", "20", "20"}));
    EXPECT_EQ(cells(roster.GetTeacherDataDetail("マリオン")).front(), "90");

    // The teachers not yet booked in a period, with their level in the lesson's ability.
    host::runtime::Collection<clsGetGridData> booked;
    clsGetGridData row;
    row.SetCols(0);
    row.Data(0, "マリオン");
    booked.add(row);
    const auto free = roster.GetClassTeacherData(booked, 17);
    ASSERT_EQ(free.count(), 2);
    EXPECT_EQ(cells(free.item(1)), (Names{"0", "シオドア", "感情", "放任", "12"}));
    EXPECT_EQ(cells(free.item(2)), (Names{"0", "ロスコウ", "感情", "詰め込み", "16"}));
    EXPECT_TRUE(roster.CheckClassTeacher(booked));
    booked.add(row);
    booked.add(row);
    EXPECT_FALSE(roster.CheckClassTeacher(booked));

    // An ability outside 1..17 shows its message once per teacher and gives 0.
    const host::runtime::Collection<clsGetGridData> none;
    EXPECT_EQ(names(roster.GetClassTeacherData(none, 18), 4), (Names{"0", "0", "0"}));
    EXPECT_EQ(services->messages().size(), 3u);

    const auto load = roster.GetTeacherDissatisfaction();
    EXPECT_EQ(names(load, 0), (Names{"シオドア", "マリオン", "ロスコウ"}));
    EXPECT_EQ(cells(load.item("ロスコウ")), (Names{"ロスコウ", "0"}));

    EXPECT_TRUE(roster.CheckContractTeacher("シオドア"));
    EXPECT_FALSE(roster.CheckContractTeacher("アデル"));
    EXPECT_FALSE(roster.CheckContractTeacher(""));
}

} // namespace
