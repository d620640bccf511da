#include "item_manager_fixture.h"

#include "support/error_of.h"

#include <functional>
#include <memory>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

using TicketExchange = ItemManagerFixture;
using Cells = std::vector<std::vector<std::string>>;

// Draws that give the numbers 1, 26 and 50 of RandomInt(1, 50).
constexpr float kDrawOne = 0.0f;
constexpr float kDrawTwentySix = 0.5f;
constexpr float kDrawFifty = 0.999f;

TEST_F(TicketExchange, EachTicketGivesThePrizeOfItsDrawnNumberAfterAWait) {
    items.ItemAdd("銅チケット", 4);
    services->scriptDraws({kDrawOne, kDrawTwentySix, kDrawFifty});
    std::int16_t count = 3;
    EXPECT_EQ(items.DrawTicket("銅チケット", count), 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(events, (std::vector<std::string>{"report 銅チケットを引換えます", "report 鉄の剣を貰いました",
                                                "report 薬草を貰いました", "report ポーションを貰いました"}));
    EXPECT_EQ(services->waits(), (std::vector<double>{500, 500, 500}));
    EXPECT_EQ(items.ItemStorage("鉄の剣") + items.ItemStorage("薬草") + items.ItemStorage("ポーション"), 3);
}

TEST_F(TicketExchange, OnlyTheTicketsHeldAreDrawn) {
    struct Case {
        std::int16_t held, asked, drawn;
    };
    const Case cases[] = {
        {.held = 2, .asked = 5, .drawn = 2},
        {.held = 0, .asked = 3, .drawn = 0},
        {.held = 2, .asked = 0, .drawn = 0},
    };
    for (const Case& c : cases) {
        items.SetDataInit();
        events.clear();
        items.ItemAdd("銅チケット", c.held);
        services->scriptDraws(std::vector<float>(static_cast<std::size_t>(c.drawn), kDrawTwentySix));
        std::int16_t count = c.asked;
        EXPECT_EQ(items.DrawTicket("銅チケット", count), c.held - c.drawn) << c.held << " held, " << c.asked;
        EXPECT_EQ(count, c.drawn) << c.held << " held, " << c.asked;
        EXPECT_EQ(items.ItemStorage("薬草"), c.drawn) << c.held << " held, " << c.asked;
        EXPECT_EQ(events.size(), c.drawn ? c.drawn + 1u : 0u) << c.held << " held, " << c.asked;
    }
}

// Services whose waits let something happen meanwhile, as the window's
// messages do.
class PumpingServices : public SilentServices {
  public:
    void WaitTime(double ms) override {
        SilentServices::WaitTime(ms);
        if (onWait) onWait(static_cast<int>(waits().size()));
    }
    std::function<void(int)> onWait;
};

// The window closed: the wait unwinds the draws.
struct WindowClosed {};

TEST_F(TicketExchange, DrawsCutShortKeepWhatTheyGaveAndUsedAndNeverDrawATicketNoLongerHeld) {
    struct Case {
        const char* what;
        int atWait;
        bool closes;        // else the tickets are given away at that wait
        std::int16_t drawn; // prizes received
        std::int16_t ticketsLeft;
    };
    const Case cases[] = {
        {.what = "closed at the third wait", .atWait = 3, .closes = true, .drawn = 2, .ticketsLeft = 3},
        {.what = "closed at the first wait", .atWait = 1, .closes = true, .drawn = 0, .ticketsLeft = 5},
        {.what = "tickets gone at the second wait",
         .atWait = 2,
         .closes = false,
         .drawn = 1,
         .ticketsLeft = 0},
    };
    for (const Case& c : cases) {
        host::runtime::ScopedInstall<GameServices, PumpingServices> pumping(
            installedServices, std::make_unique<PumpingServices>());
        items.SetDataInit();
        items.ItemAdd("銅チケット", 5);
        pumping->scriptDraws(std::vector<float>(4, kDrawTwentySix));
        pumping->onWait = [&](int wait) {
            if (wait != c.atWait) return;
            if (c.closes) throw WindowClosed{};
            std::int16_t all = items.ItemStorage("銅チケット");
            items.ItemDelete("銅チケット", all);
        };
        std::int16_t count = 4;
        bool closed = false;
        try {
            items.DrawTicket("銅チケット", count);
        } catch (const WindowClosed&) {
            closed = true;
        }
        EXPECT_EQ(closed, c.closes) << c.what;
        if (!c.closes) {
            EXPECT_EQ(count, c.drawn) << c.what;
        }
        EXPECT_EQ(items.ItemStorage("薬草"), c.drawn) << c.what;
        EXPECT_EQ(items.ItemStorage("銅チケット"), c.ticketsLeft) << c.what;
        EXPECT_EQ(pumping->drawCount(), c.drawn) << c.what;
    }
}

TEST_F(TicketExchange, APrizeOfAFullKindIsSoldWithItsOwnReport) {
    items.ItemAdd("薬草", 100);
    items.ItemAdd("銅チケット", 1);
    services->scriptDraws({kDrawTwentySix});
    std::int16_t count = 1;
    EXPECT_EQ(items.DrawTicket("銅チケット", count), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"report 銅チケットを引換えます", "report 薬草を貰いました",
                                                "money 1 20", "report 薬草は一杯だったので売却しました"}));
}

TEST_F(TicketExchange, ATicketWithoutAllItsPrizesIsRefusedBeforeAnyDraw) {
    for (const char* ticket : {"銀チケット", "金チケット"}) {
        items.ItemAdd(ticket, 3);
        std::int16_t count = 2;
        EXPECT_EQ(errorOf([&] { items.DrawTicket(ticket, count); }), ErrorNumber::InvalidCall) << ticket;
        EXPECT_EQ(items.ItemStorage(ticket), 3) << ticket;
        EXPECT_EQ(items.ItemStorage("薬草"), 0) << ticket;
    }
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(services->waits().empty());
    EXPECT_EQ(services->drawCount(), 0);
}

TEST_F(TicketExchange, TheListingShowsEveryTicketHeldOrNot) {
    items.ItemAdd("銀チケット", 7);
    EXPECT_EQ(cellsOf(items.GetTicketItem()),
              (Cells{{"0", "銅チケット", "0"}, {"0", "銀チケット", "7"}, {"0", "金チケット", "0"}}));
}

} // namespace
