#include "state/cls_data.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "platform/sound/sound_names.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using statetest::LoadedFacade;

// A new game made by the facade, with money enough for any purchase.
struct NewGame : LoadedFacade {
    NewGame() {
        data.SetDataInit();
        data.TestPlay();
        managers(data).system().AddMoney(10000000);
    }
    std::vector<std::string> played() const { return services->played(); }
    // The catalogue's companies that bring sponsor money.
    std::vector<std::string> sponsors() {
        std::vector<std::string> names;
        for (const clsCompany& c : managers(data).companies().Companies())
            if (c.SponsorMoney() > 0) names.push_back(c.CompanyName());
        return names;
    }
};

TEST(FacadeShares, BuyingAndSellingMoveTheHoldingAndTheMoneyAtThePrice) {
    struct Case {
        const char* name;
        const char* excute;
        std::int16_t before;
        std::int16_t count;
        std::int16_t after;
        std::int32_t moneySign;
    };
    const Case cases[] = {
        {.name = "buy", .excute = "購入", .before = 0, .count = 3, .after = 3, .moneySign = -1},
        {.name = "sell", .excute = "売却", .before = 5, .count = 2, .after = 3, .moneySign = 1},
        {.name = "empty text sells", .excute = "", .before = 4, .count = 4, .after = 0, .moneySign = 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewGame game;
        clsData& data = game.data;
        const std::string company = data.GetCompanyData().keyAt(1);
        if (c.before > 0) data.ChangeHoldStock("購入", company, c.before);
        const std::int32_t price = host::runtime::CLng(data.GetStockPrice(company));
        const std::int32_t money = data.GetMoney();
        const auto sounds = game.played().size();

        data.ChangeHoldStock(c.excute, company, c.count);

        EXPECT_EQ(data.GetHoldStock(company), c.after);
        EXPECT_EQ(data.GetMoney() - money, c.moneySign * price * c.count);
        ASSERT_EQ(game.played().size(), sounds + 1);
        EXPECT_EQ(game.played().back(), sound_name::kCoin);
    }
}

TEST(FacadeShares, TheCompanyRowsCarryTheHoldingAndAnUnknownCompanyIsAnError) {
    NewGame game;
    clsData& data = game.data;
    const auto rows = data.GetCompanyData();
    ASSERT_FALSE(rows.empty());
    const std::string company = rows.keyAt(rows.count());
    data.ChangeHoldStock("購入", company, 7);

    const auto after = data.GetCompanyData();
    const clsGetCompany& row = after.item(company);
    EXPECT_EQ(row.GetData(1), company);
    EXPECT_EQ(row.GetData(2), data.GetStockPrice(company));
    EXPECT_EQ(row.GetData(3), "7");
    EXPECT_THROW(data.GetStockPrice("無い会社"), host::runtime::RuntimeError);
    EXPECT_THROW(data.ChangeHoldStock("購入", "無い会社", 1), host::runtime::RuntimeError);
}

TEST(FacadeSponsors, TheRunningContractsMoneyIsToldWithoutMovingAndPaidOnce) {
    NewGame game;
    clsData& data = game.data;
    const auto names = game.sponsors();
    ASSERT_GE(names.size(), 2U);
    EXPECT_GT(data.GetSponsorMaxContract(), 0);

    data.SetSponsorContract(names[0]);
    data.SetSponsorContract(names[1]);
    const std::int32_t sum = managers(data).companies().Companies().item(names[0]).SponsorMoney() +
                             managers(data).companies().Companies().item(names[1]).SponsorMoney();
    const std::int32_t money = data.GetMoney();
    const auto sounds = game.played().size();

    EXPECT_EQ(data.GetSponsorCurrentContract(), 2);
    EXPECT_EQ(data.GetSponsorCurrentMoney(), sum);
    EXPECT_EQ(data.GetMoney(), money);
    EXPECT_EQ(game.played().size(), sounds);

    data.SetSponsorMoney();
    EXPECT_EQ(data.GetMoney(), money + sum);
    ASSERT_EQ(game.played().size(), sounds + 1);
    EXPECT_EQ(game.played().back(), sound_name::kCoin);
}

TEST(FacadeSponsors, NoRunningContractPaysNothingAndPlaysNoSound) {
    NewGame game;
    clsData& data = game.data;
    const std::int32_t money = data.GetMoney();
    const auto sounds = game.played().size();

    EXPECT_EQ(data.GetSponsorCurrentContract(), 0);
    EXPECT_EQ(data.GetSponsorCurrentMoney(), 0);
    data.SetSponsorMoney();

    EXPECT_EQ(data.GetMoney(), money);
    EXPECT_EQ(game.played().size(), sounds);
}

} // namespace
