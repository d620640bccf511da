#include "state/day/day_support.h"

#include "host/runtime/convert.h"
#include "platform/graphics/images.h"
#include "students/lessons/cls_class_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using daytest::DayGame;

namespace {

TEST(EventAnswers, AShareTradeMovesTheMoneyWithACoin) {
    DayGame game;
    game.data().system().AddMoney(1000000);
    const std::string company = game.data().companies().Companies().item(1).CompanyName();
    const std::int32_t price = host::runtime::CLng(game.data().companies().CompanyData(company, 1));
    const std::int32_t money = game.data().GetMoney();

    game.data().companies().CompanyData(company, 4, "2");
    EXPECT_EQ(game.data().GetMoney(), money - 2 * price) << "bought";
    game.data().companies().CompanyData(company, 3, "1");
    EXPECT_EQ(game.data().GetMoney(), money - price) << "sold";
    const auto& sounds = game.services().played();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "coin05"), 2);
}

TEST(EventAnswers, APeriodShowsTheLessonsPlaceOrTheIndividualLessonPicture) {
    DayGame game;
    game.admitNewcomers();
    game.data().SetDate("25:5:1");
    game.data().DateForword(1);
    // Monday's first period individual lessons, the second the school's whole-class lesson.
    const std::string student = game.data().students().GetALLStudentName().item(1);
    const std::string secondLesson = game.data().students().GetSchedule(student, 1)->ClassName();
    std::vector<host::gdi::DeviceContext*> shown;
    game.data().ClassImage.subscribe([&](host::gdi::DeviceContext*& HDC) { shown.push_back(HDC); });
    game.data().students().SetClassTypeAsNumber(0, clsClassSchedule::Individual, "", "", "");
    game.data().ClassForword();
    game.data().ClassForword();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], &Images().GetImageHDC("個別授業"));
    EXPECT_EQ(shown[1], &Images().GetImageHDC(game.data().classes().GetClassPlace(secondLesson)));
}

} // namespace
