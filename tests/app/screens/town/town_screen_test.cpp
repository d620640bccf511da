#include "town_game.h"

#include "platform/sound/mng_sound.h"

#include "host/ui/input_event.h"
#include "host/ui/quit.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using towntest::TownGame;
namespace captions = town_captions;

class TownScreenTest : public TownGame {
  protected:
    // The school's purse and store before each trade.
    void stockUp() {
        setMoney(100000);
        setPoints(1000);
        holdExactly("薬草", 5);
        holdExactly("清らかな水", 5);
        holdExactly("銅チケット", 3);
        holdExactly("木刀", 2);
        holdExactly("回復薬", 0);
    }
};

TEST_F(TownScreenTest, TheSchoolsTownButtonOpensThePlaceMenuAndItsButtonsLeadBack) {
    goToTown();
    EXPECT_EQ(main->form().children().back(), &picCity());
    EXPECT_TRUE(picCity().Enabled());
    EXPECT_FALSE(picSchool().Enabled());
    EXPECT_EQ(MngSound().GetBGMName(), "店");
    for (int i = 0; i <= 6; ++i) {
        EXPECT_TRUE(button("GLShop", i).Visible()) << i;
        EXPECT_EQ(button("GLShop", i).Text(), captions::gPlaces[static_cast<std::size_t>(i)]) << i;
    }
    for (const char* hidden : {"GGShop", "GLBuy", "GLSell", "GLMultipurpose", "GLReturnCity"})
        EXPECT_FALSE(shows(hidden)) << hidden;
    EXPECT_EQ(tip(), "どこに行きますか");
    EXPECT_EQ(button("GLCityMenu").Text(), "街");
    writeLook("town_places.png");

    int noButton = 0, noShift = 0, x = 1, y = 1;
    button("GLShop", 5).MouseMove.raise(noButton, noShift, x, y);
    EXPECT_EQ(tip(), data().GetMSGTips("株屋"));
    button("GLShop", 5).MouseLeave.raise();
    EXPECT_EQ(tip(), "どこに行きますか");

    // A place, then back to the place menu: its picture, list and buttons gone.
    enter(menu_key::kItemShop);
    EXPECT_TRUE(shows("GGShop"));
    click("GLReturnCity");
    EXPECT_EQ(data().GetMenu(), menu_key::kItemShop) << "the last place stays the menu";
    for (const char* hidden : {"GGShop", "GLBuy", "GLSell", "GLMultipurpose", "GLReturnCity"})
        EXPECT_FALSE(shows(hidden)) << hidden;
    EXPECT_EQ(button("GLMultipurpose").Text(), "");
    EXPECT_TRUE(button("GLShop", 0).Visible());
    button("GLReturnCity").MouseLeave.raise();
    EXPECT_EQ(tip(), "いらっしゃいませ");

    click("GLShop", 6);
    EXPECT_EQ(main->form().children().back(), &picSchool());
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_FALSE(picCity().Enabled());
    EXPECT_EQ(data().GetMenu(), menu_key::kAcademy);
    EXPECT_EQ(MngSound().GetBGMName(), data().GetSoundName());
}

TEST_F(TownScreenTest, EachPlaceShowsItsPictureListAndTheButtonOfItsOwnAction) {
    stockUp();
    data().ChangeHoldStock("購入", "東風牧場", 10);
    struct Place {
        MenuKey place;
        const char* multipurpose; // GLMultipurpose's caption
        bool multipurposeShown;
        const char* look;
    };
    const Place places[] = {
        {menu_key::kItemShop, "所持品を表示する", true, "town_item_shop.png"},
        {menu_key::kPermitOffice, "申請する", false, "town_permit_office.png"},
        {menu_key::kTicketExchange, "チケット引換", false, "town_ticket_exchange.png"},
        {menu_key::kPointExchange, "ポイント交換", false, "town_point_exchange.png"},
        {menu_key::kProcessing, "所持アイテムから検索", true, "town_processing.png"},
        {menu_key::kStocks, "", false, "town_stocks.png"},
    };
    goToTown();
    for (const Place& p : places) {
        enter(p.place);
        const std::string name(p.place.name());
        EXPECT_EQ(data().GetMenu(), p.place) << name;
        EXPECT_EQ(button("GLCityMenu").Text(), name) << name;
        EXPECT_TRUE(shows("GGShop")) << name;
        EXPECT_GE(shop().Rows(), 0) << name;
        EXPECT_EQ(button("GLMultipurpose").Text(), p.multipurpose) << name;
        EXPECT_EQ(shows("GLMultipurpose"), p.multipurposeShown) << name;
        EXPECT_TRUE(shows("GLReturnCity")) << name;
        EXPECT_FALSE(shows("GLShop")) << name;
        EXPECT_EQ(tip(), "いらっしゃいませ") << name;
        writeLook(p.look);
        click("GLReturnCity");
    }
}

TEST_F(TownScreenTest, TradesAtEveryPlaceAreCarriedOutByTheFacadeAndTheListShowsTheNewCounts) {
    struct Trade {
        const char* what = "";
        MenuKey place;
        bool heldList = false; // the item shop's held items, not its goods
        const char* row = "";
        const char* button = "";
        std::int32_t quantity = 0;    // on the slider; 0 where the dialog has none
        std::int16_t unitsTicked = 0; // of the held-units list, for units sold one by one
        std::int32_t money = 0;       // change, besides the row's price
        std::int32_t rowPrice = 0;    // times the row's price column and the quantity
        std::int32_t points = 0;
        std::vector<std::pair<std::string, std::int16_t>> held = {};
        std::int16_t column = 0; // the row's cell that shows the new count
        std::string count = "";
        const char* look = nullptr; // the dialog's picture
    };
    const std::vector<Trade> trades = {
        {.what = "buying goods",
         .place = menu_key::kItemShop,
         .row = "薬草",
         .button = "GLBuy",
         .quantity = 3,
         .money = -120,
         .held = {{"薬草", 8}},
         .column = 3,
         .count = "92"},
        {.what = "selling a material by count",
         .place = menu_key::kItemShop,
         .heldList = true,
         .row = "薬草",
         .button = "GLSell",
         .quantity = 2,
         .money = 40,
         .held = {{"薬草", 3}},
         .column = 3,
         .count = "3"},
        {.what = "selling units one by one",
         .place = menu_key::kItemShop,
         .heldList = true,
         .row = "木刀",
         .button = "GLSell",
         .unitsTicked = 2,
         .money = 600,
         .held = {{"木刀", 0}},
         .column = 3,
         .count = "0",
         .look = "town_item_shop_units_dialog.png"},
        {.what = "buying shares",
         .place = menu_key::kStocks,
         .row = "東風牧場",
         .button = "GLBuy",
         .quantity = 4,
         .rowPrice = -1,
         .column = 3,
         .count = "14",
         .look = "town_stocks_dialog.png"},
        {.what = "selling shares",
         .place = menu_key::kStocks,
         .row = "東風牧場",
         .button = "GLSell",
         .quantity = 6,
         .rowPrice = 1,
         .column = 3,
         .count = "4"},
        {.what = "processing",
         .place = menu_key::kProcessing,
         .row = "回復薬",
         .button = "GLBuy",
         .quantity = 2,
         .rowPrice = -1,
         .held = {{"回復薬", 2}, {"薬草", 3}, {"清らかな水", 3}},
         .column = 3,
         .count = "2",
         .look = "town_processing_dialog.png"},
        {.what = "drawing tickets",
         .place = menu_key::kTicketExchange,
         .row = "銅チケット",
         .button = "GLMultipurpose",
         .quantity = 2,
         .held = {{"銅チケット", 1}},
         .column = 2,
         .count = "1",
         .look = "town_ticket_exchange_dialog.png"},
        {.what = "exchanging points for tickets",
         .place = menu_key::kPointExchange,
         .row = "銅チケット",
         .button = "GLMultipurpose",
         .quantity = 2,
         .points = -40,
         .held = {{"銅チケット", 5}},
         .look = "town_point_exchange_dialog.png"},
    };
    for (const Trade& t : trades) {
        stockUp();
        std::int16_t shares = data().GetHoldStock("東風牧場");
        data().ChangeHoldStock("売却", "東風牧場", shares);
        data().ChangeHoldStock("購入", "東風牧場", 10);
        setMoney(100000);
        goToTown();
        enter(t.place);
        if (t.heldList) click("GLMultipurpose");
        const std::int32_t price = std::stoi(cell(t.row, 2));
        const std::int32_t money = data().GetMoney();
        const std::int32_t points = data().GetKingdomPoint();
        clickRow(t.row);
        ASSERT_TRUE(shows(t.button)) << t.what;
        click(t.button);
        ASSERT_TRUE(picMSG().Visible()) << t.what;
        EXPECT_FALSE(picCity().Enabled()) << t.what;
        if (t.quantity) slider().Value(t.quantity);
        for (std::int16_t u = 0; u < t.unitsTicked; ++u)
            clickRow(choices(), u);
        if (t.look) writeLook(t.look);
        click("GLMSGExcute");
        if (report().Visible()) {
            if (t.look) writeLook("town_ticket_report.png");
            click("GMSGReport");
        }

        EXPECT_FALSE(picMSG().Visible()) << t.what;
        EXPECT_TRUE(picCity().Enabled()) << t.what;
        EXPECT_EQ(data().GetMoney() - money, t.money + t.rowPrice * price * t.quantity) << t.what;
        EXPECT_EQ(data().GetKingdomPoint() - points, t.points) << t.what;
        for (const auto& [item, count] : t.held)
            EXPECT_EQ(held(item), count) << t.what << ": " << item;
        if (t.column) {
            EXPECT_EQ(cell(t.row, t.column), t.count) << t.what;
            EXPECT_FALSE(shop().Checked(rowOf(t.row))) << t.what;
        }
        EXPECT_FALSE(shows("GLBuy")) << t.what;
        EXPECT_FALSE(shows("GLSell")) << t.what;
        click("GLReturnCity");
        click("GLShop", 6);
    }
}

TEST_F(TownScreenTest, AButtonShowsOnlyForATradeTheFacadeAllowsAndTheDialogOffersNoMore) {
    struct Limit {
        const char* what;
        MenuKey place;
        const char* row;
        std::int32_t money;
        std::int16_t heldBefore; // of the row's item (shares in the market)
        bool buy;
        bool sell;
        std::int32_t sliderMax; // buying, when the buy button shows
    };
    const Limit limits[] = {
        {"goods past the money", menu_key::kItemShop, "薬草", 39, 0, false, false, 0},
        {"goods already held 100 times", menu_key::kItemShop, "薬草", 100000, 100, false, false, 0},
        {"goods held 99 times", menu_key::kItemShop, "薬草", 100000, 99, true, false, 1},
        {"shares: 100 held", menu_key::kStocks, "東風牧場", 10000000, 100, false, true, 0},
        {"shares: 60 held", menu_key::kStocks, "東風牧場", 10000000, 60, true, true, 40},
        {"shares: none and no money", menu_key::kStocks, "東風牧場", 0, 0, false, false, 0},
        {"processing without the materials", menu_key::kProcessing, "羽ペン", 100000, 0, false, false, 0},
    };
    for (const Limit& l : limits) {
        managers(data()).items().SetDataInit();
        std::int16_t shares = data().GetHoldStock("東風牧場");
        data().ChangeHoldStock("売却", "東風牧場", shares);
        setMoney(10000000);
        if (l.place == menu_key::kStocks)
            data().ChangeHoldStock("購入", "東風牧場", l.heldBefore);
        else
            holdExactly(l.row, l.heldBefore);
        setMoney(l.money);
        goToTown();
        enter(l.place);
        clickRow(l.row);
        EXPECT_EQ(shows("GLBuy"), l.buy) << l.what;
        EXPECT_EQ(shows("GLSell"), l.sell) << l.what;
        if (l.buy) {
            click("GLBuy");
            EXPECT_EQ(slider().Max(), l.sliderMax) << l.what;
            click("GLMSGCancel");
            EXPECT_FALSE(shop().Checked(rowOf(l.row))) << l.what << ": cancelled";
        } else {
            clickRow(l.row);
        }
        click("GLReturnCity");
        click("GLShop", 6);
    }

    // A mark taken off again hides the buttons.
    setMoney(100000);
    goToTown();
    enter(menu_key::kItemShop);
    clickRow("薬草");
    EXPECT_TRUE(shows("GLBuy"));
    clickRow("薬草");
    EXPECT_FALSE(shows("GLBuy"));

    // The money gone while the dialog is open: the facade buys nothing.
    clickRow("薬草");
    click("GLBuy");
    slider().Value(2);
    const std::int16_t before = held("薬草");
    setMoney(10);
    click("GLMSGExcute");
    EXPECT_EQ(data().GetMoney(), 10);
    EXPECT_EQ(held("薬草"), before);
    EXPECT_TRUE(picCity().Enabled());
}

TEST_F(TownScreenTest, AListSwitchWithNothingToShowSaysSoAndLeavesNoRowsToActOn) {
    struct Switch {
        const char* what;
        MenuKey place;
        const char* notice;
        const char* captionAfter;
        const char* look;
    };
    const Switch switches[] = {
        {"nothing makeable", menu_key::kProcessing, "現在お持ちのアイテムから加工できるものはありませんね",
         "加工アイテムリストを表示", "town_processing_nothing.png"},
        {"nothing to sell", menu_key::kItemShop, "売却できるアイテムはありません", "商品を表示する",
         "town_item_shop_nothing.png"},
    };
    for (const Switch& s : switches) {
        managers(data()).items().SetDataInit();
        setMoney(100000);
        goToTown();
        // A row marked far down an earlier list leaves its index behind.
        enter(menu_key::kItemShop);
        clickRow(shop().GetData(shop().Rows(), 1));
        click("GLReturnCity");

        enter(s.place);
        click("GLMultipurpose");
        EXPECT_TRUE(picMSG().Visible()) << s.what;
        EXPECT_EQ(body(), s.notice) << s.what;
        EXPECT_EQ(button("GLMSGCancel").Text(), "OK") << s.what;
        EXPECT_FALSE(shows("GLMSGExcute")) << s.what;
        writeLook(s.look);
        click("GLMSGCancel");
        EXPECT_FALSE(picMSG().Visible()) << s.what;
        EXPECT_TRUE(picCity().Enabled()) << s.what;
        EXPECT_TRUE(button("GLMultipurpose").Enable()) << s.what;
        EXPECT_EQ(button("GLMultipurpose").Text(), s.captionAfter) << s.what;
        EXPECT_FALSE(shows("GGShop")) << s.what;
        EXPECT_EQ(shop().Rows(), -1) << s.what << ": no rows of the earlier list";
        click("GLReturnCity");
        click("GLShop", 6);
    }
}

TEST_F(TownScreenTest, TheDialogsTellWhatTheyDoAndTheTradesSecondLine) {
    stockUp();
    goToTown();
    enter(menu_key::kPermitOffice);
    std::string facility;
    for (std::int16_t r = 0; r <= shop().Rows() && facility.empty(); ++r) {
        clickRow(shop(), r);
        if (shows("GLMultipurpose")) facility = shop().GetData(r, 1);
    }
    ASSERT_FALSE(facility.empty());
    click("GLMultipurpose");
    EXPECT_EQ(body(), facility + "を設置します\r\n一度設置すると解体することはできません");
    EXPECT_EQ(button("GLMSGExcute").Text(), "はい");
    EXPECT_EQ(button("GLMSGCancel").Text(), "いいえ");
    writeLook("town_permit_dialog.png");
    const std::int32_t price = std::stoi(cell(facility, 2));
    const std::int32_t money = data().GetMoney();
    click("GLMSGExcute");
    EXPECT_EQ(data().GetMoney(), money - price);
    EXPECT_THROW(rowOf(facility), std::runtime_error) << "built or being built: no longer offered";
    click("GLReturnCity");

    enter(menu_key::kItemShop);
    clickRow("薬草");
    click("GLBuy");
    EXPECT_EQ(body(), "薬草を購入します\r\n最大所持数は100です");
    slider().Value(3);
    EXPECT_EQ(secondLine(), "個数=3\u3000代金=120");
    writeLook("town_item_shop_dialog.png");
    click("GLMSGCancel");
    click("GLReturnCity");

    enter(menu_key::kPointExchange);
    for (std::int16_t r = 0; r <= shop().Rows(); ++r) {
        if (shop().GetData(r, 1).ends_with("チケット")) continue;
        clickRow(shop(), r);
        if (!shows("GLMultipurpose")) continue;
        click("GLMultipurpose");
        EXPECT_EQ(body(), "王国ポイントを" + shop().GetData(r, 1) +
                              "と交換します\r\n制度の変更を申請すると元には戻せなくなります");
        EXPECT_FALSE(slider().Visible());
        click("GLMSGCancel");
        break;
    }
}

TEST_F(TownScreenTest, ClosingTheWindowDuringATicketDrawKeepsTheDrawsMadeAndTheTicketsTheyUsed) {
    stockUp();
    goToTown();
    enter(menu_key::kTicketExchange);
    clickRow("銅チケット");
    click("GLMultipurpose");
    slider().Value(3);
    int draws = 0;
    services->onWait = [&](double ms) {
        if (ms != 500 || ++draws != 2) return;
        driver.push(host::ui::InputEvent::closeRequest());
        main->DoEvents();
    };
    EXPECT_THROW(click("GLMSGExcute"), host::ui::QuitRequested);
    services->onWait = nullptr;
    EXPECT_EQ(held("銅チケット"), 2) << "one draw made before the close";
    EXPECT_EQ(draws, 2);
}

} // namespace
