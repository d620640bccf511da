#include "state/day/day_support.h"

#include "host/runtime/convert.h"
#include "platform/graphics/images.h"
#include "platform/sound/sound_names.h"
#include "students/lessons/cls_class_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

using daytest::DayGame;

namespace {

TEST(EventAnswers, AShareTradeMovesTheMoneyWithACoin) {
    DayGame game;
    managers(game.data()).system().AddMoney(1000000);
    const std::string company = managers(game.data()).companies().Companies().item(1).CompanyName();
    const std::int32_t price = host::runtime::CLng(managers(game.data()).companies().CompanyData(company, 1));
    const std::int32_t money = game.data().GetMoney();

    managers(game.data()).companies().CompanyData(company, 4, "2");
    EXPECT_EQ(game.data().GetMoney(), money - 2 * price) << "bought";
    managers(game.data()).companies().CompanyData(company, 3, "1");
    EXPECT_EQ(game.data().GetMoney(), money - price) << "sold";
    const auto& sounds = game.services().played();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), sound_name::kCoin), 2);
}

TEST(EventAnswers, APeriodShowsTheLessonsPlaceOrTheIndividualLessonPicture) {
    DayGame game;
    game.admitNewcomers();
    game.data().SetDate("25:5:1");
    game.data().DateForword(1);
    // Monday's first period individual lessons, the second the school's whole-class lesson.
    const std::string student = managers(game.data()).students().GetALLStudentName().item(1);
    const std::string secondLesson = managers(game.data()).students().GetSchedule(student, 1)->ClassName();
    std::vector<host::gdi::DeviceContext*> shown;
    game.data().ClassImage.subscribe([&](host::gdi::DeviceContext*& HDC) { shown.push_back(HDC); });
    managers(game.data()).students().SetClassTypeAsNumber(0, clsClassSchedule::Individual, "", "", "");
    game.data().ClassForword();
    game.data().ClassForword();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], &Images().GetImageHDC("個別授業"));
    EXPECT_EQ(shown[1], &Images().GetImageHDC(managers(game.data()).classes().GetClassPlace(secondLesson)));
}

TEST(EventAnswers, TheFirstAndFifteenthMoveTheSharePricesWithAReport) {
    DayGame game;
    clsData& data = game.data();
    const auto prices = [&] {
        std::map<std::string, std::string> byName;
        for (const clsCompany& c : managers(data).companies().Companies())
            byName[c.CompanyName()] = managers(data).companies().CompanyData(c.CompanyName(), 1);
        return byName;
    };
    data.SetDate("25:5:13");
    data.DateForword(1);
    const auto before = prices();
    EXPECT_FALSE(game.logged("株価が変動しています")) << "day 14 is no share-price day";

    data.DateForword(1);
    EXPECT_TRUE(game.logged("株価が変動しています"));
    EXPECT_NE(prices(), before);
}

TEST(EventAnswers, AprilFirstPaysTheDividendsAndGivesTheShareholderItems) {
    DayGame game;
    clsData& data = game.data();
    managers(data).system().AddMoney(1000000);
    const clsCompany& company = managers(data).companies().Companies().item(1);
    ASSERT_GT(company.Divvy(), 0);
    ASSERT_FALSE(company.StockTreatmentItem().empty());
    const std::string name = company.CompanyName();
    const std::int16_t shares = 2 * company.StockTreatmentNeed();
    data.ChangeHoldStock("購入", name, shares);
    const std::int16_t itemsHeld = managers(data).items().ItemStorage(company.StockTreatmentItem());

    // The company's dividend line comes before the money; the refresh after it.
    const std::string paidFrom = name + "から配当";
    std::int32_t dividend = -1;
    std::int32_t moneyAtLine = 0;
    std::int32_t moneyAtRefresh = -1;
    data.Report.subscribe([&](std::string& line) {
        if (!line.starts_with(paidFrom)) return;
        const std::size_t digits = paidFrom.size();
        dividend = host::runtime::CLng(line.substr(digits, line.find("エニス") - digits));
        moneyAtLine = data.GetMoney();
    });
    data.StatusRefresh.subscribe([&] {
        if (dividend >= 0 && moneyAtRefresh < 0) moneyAtRefresh = data.GetMoney();
    });
    data.SetDate("25:3:28");
    data.DateForword(1);

    EXPECT_GT(dividend, 0);
    EXPECT_EQ(moneyAtRefresh - moneyAtLine, dividend);
    EXPECT_EQ(managers(data).items().ItemStorage(company.StockTreatmentItem()),
              itemsHeld + 2 * company.StockTreatmentItemNumber());
}

} // namespace
