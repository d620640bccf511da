#include "state/cls_data.h"

#include "host/runtime/convert.h"
#include "platform/sound/sound_names.h"
#include "state/save/save_managers.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

using statetest::LoadedFacade;

constexpr std::int32_t kAmple = 10000000;

// A new game made by the facade with materials for a recipe; the purse and
// the kingdom points are set by each case.
struct Purse : LoadedFacade {
    Purse() {
        data.SetDataInit();
        data.TestPlay();
        managers(data).items().ItemAdd("薬草", 10);
        managers(data).items().ItemAdd("清らかな水", 10);
    }
    void set(std::int32_t money, std::int32_t points) {
        managers(data).system().SubMoney(data.GetMoney());
        managers(data).system().AddMoney(money);
        managers(data).system().SubKingdomPoint(data.GetKingdomPoint());
        managers(data).system().AddKingdomPoint(points);
    }
    std::string firstRow(const host::runtime::Collection<clsGetGridData>& rows, std::int16_t cell) {
        return rows.item(1).Data(cell);
    }
};

// Everything a paying command could change: the nine save parts, the camp
// booking, the building work and the sounds heard.
struct Snapshot {
    explicit Snapshot(Purse& purse)
        : parts(getSaveParts(managers(purse.data).saveManagers())),
          camp(managers(purse.data).countries().GetCampName()), construct(purse.data.GetConstruct()),
          sounds(purse.services->played().size()) {}
    bool operator==(const Snapshot&) const = default;
    SaveParts parts;
    std::string camp;
    std::string construct;
    std::size_t sounds;
};

TEST(FacadePayments, EveryPayingCommandRefusesWhatThePurseDoesNotCoverAndChangesNothing) {
    enum class Short { Money, KingdomPoints };
    struct Case {
        const char* name;
        Short shortOf;
        // The command; true when it answered that it was carried out.
        std::function<bool(Purse&)> command;
    };
    const Case cases[] = {
        {.name = "buying items",
         .shortOf = Short::Money,
         .command = [](Purse& p) { return p.data.SetItemChange("薬草", "購入", 5).has_value(); }},
        {.name = "processing",
         .shortOf = Short::Money,
         .command = [](Purse& p) { return p.data.SetProcessItem("回復薬", 2).has_value(); }},
        {.name = "a teacher contract",
         .shortOf = Short::Money,
         .command =
             [](Purse& p) {
                 p.data.SetSubMenu(menu_key::kTeacherOffers);
                 return p.data.SetContract(p.firstRow(managers(p.data).teachers().GetNewComer(), 1));
             }},
        {.name = "a scout contract",
         .shortOf = Short::Money,
         .command =
             [](Purse& p) {
                 p.data.SetSubMenu(menu_key::kScouts);
                 return p.data.SetContract(p.firstRow(managers(p.data).scouts().GetScoutData(), 1));
             }},
        {.name = "a teacher's bonus",
         .shortOf = Short::Money,
         .command =
             [](Purse& p) {
                 const clsGetGridData& bonus = p.data.GetBonusData().item(1);
                 const std::string teacher =
                     managers(p.data).teachers().GetContractTeacherName().item(1).Name();
                 return p.data.SetBonus(teacher, host::runtime::CLng(bonus.Data(1)), bonus.Data(2))
                     .has_value();
             }},
        {.name = "a camp",
         .shortOf = Short::Money,
         .command =
             [](Purse& p) {
                 const clsGetGridData row =
                     managers(p.data).countries().GetCountry(p.data.GetRankAsNumber(), 0).item(1);
                 return p.data.SetCamp(row.Data(1), host::runtime::CLng(row.Data(2)));
             }},
        {.name = "a building",
         .shortOf = Short::Money,
         .command = [](Purse& p) { return p.data.SetBuild("図書館"); }},
        {.name = "a permit's money",
         .shortOf = Short::Money,
         .command = [](Purse& p) { return p.data.SetPermitChange("八時間授業許可", 1); }},
        {.name = "a permit's kingdom points",
         .shortOf = Short::KingdomPoints,
         .command = [](Purse& p) { return p.data.SetPermitChange("八時間授業許可", 1); }},
        {.name = "tickets for kingdom points",
         .shortOf = Short::KingdomPoints,
         .command = [](Purse& p) { return p.data.SetPermitChange("銅チケット", 3); }},
        {.name = "shares",
         .shortOf = Short::Money,
         .command =
             [](Purse& p) { return p.data.ChangeHoldStock("購入", p.data.GetCompanyData().keyAt(1), 10); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            Purse purse;
            purse.set(c.shortOf == Short::Money ? 0 : kAmple, c.shortOf == Short::KingdomPoints ? 0 : kAmple);
            const Snapshot before(purse);
            EXPECT_FALSE(c.command(purse));
            EXPECT_TRUE(Snapshot(purse) == before);
            EXPECT_EQ(purse.data.GetMoney(), c.shortOf == Short::Money ? 0 : kAmple);
        }
        // The same command with a full purse goes through: the refusal was the purse's.
        Purse purse;
        purse.set(kAmple, kAmple);
        EXPECT_TRUE(c.command(purse));
        EXPECT_TRUE(purse.data.GetMoney() < kAmple || purse.data.GetKingdomPoint() < kAmple);
        ASSERT_FALSE(purse.services->played().empty());
        EXPECT_EQ(purse.services->played().back(), sound_name::kCoin);
    }
}

TEST(FacadePayments, APriceBelowZeroIsNeverPaid) {
    Purse purse;
    purse.set(1000, 0);
    const std::string teacher = managers(purse.data).teachers().GetContractTeacherName().item(1).Name();
    const Snapshot before(purse);

    EXPECT_FALSE(purse.data.SetBonus(teacher, -5000, "大").has_value());
    EXPECT_FALSE(
        purse.data.SetCamp(purse.firstRow(managers(purse.data).countries().GetCountry(0, 0), 1), -5000));

    EXPECT_TRUE(Snapshot(purse) == before);
    EXPECT_EQ(purse.data.GetMoney(), 1000);
}

} // namespace
