#include "school_list_game.h"

#include "app/shell/message_types.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using schooltest::SchoolListGame;

class NewYearListTest : public SchoolListGame {
  protected:
    // Plays the steps one at a time, each at one of the list's waits, and
    // then answers whatever is still open as it stands.
    void atWaits(std::vector<std::function<void()>> steps) {
        std::size_t next = 0;
        services->onWait = [this, steps = std::move(steps), next](double) mutable {
            if (next < steps.size()) {
                steps[next++]();
                return;
            }
            answerNewYearList();
        };
    }
    void expectListMode(const std::string& list, const std::string& action) {
        EXPECT_EQ(button("GLSchoolMenu").Text(), list);
        EXPECT_EQ(data().GetMenu().name(), list);
        for (int i = 0; i < 9; ++i)
            EXPECT_FALSE(button("GLSchool", i).Visible()) << list << " GLSchool " << i;
        for (int i = 0; i < 4; ++i)
            EXPECT_FALSE(button("GLDate", i).Visible()) << list << " GLDate " << i;
        for (int i = 0; i < 5; ++i)
            EXPECT_FALSE(button("GLSystem", i).Visible()) << list << " GLSystem " << i;
        EXPECT_FALSE(button("GLReturnSchool").Visible()) << list;
        EXPECT_EQ(button("GLCommand", 0).Visible(), list == "新入生") << list;
        EXPECT_TRUE(button("GLContract").Visible()) << list;
        EXPECT_TRUE(button("GLContract").Enable()) << list;
        EXPECT_EQ(button("GLContract").Text(), action) << list;
        EXPECT_TRUE(picSchool().Enabled()) << list;
        EXPECT_EQ(frontScreen(), &picSchool()) << list;
    }
    std::vector<std::string> markedNames() {
        std::vector<std::string> names;
        for (std::int16_t r = 0; r <= list().Rows(); ++r)
            if (list().Checked(r)) names.push_back(list().GetData(r, 1));
        return names;
    }
    std::int16_t students() { return managers(data()).students().GetMemberNum(); }
    bool enrolled(const std::string& name) {
        const clsGetGridData names = data().GetStudentName();
        for (std::int16_t i = 0; i <= names.Cols(); ++i)
            if (names.Data(i) == name) return true;
        return false;
    }
};

TEST_F(NewYearListTest, ANewGameRunsFromTheTitleThroughBothListsToTheMainMenu) {
    EXPECT_TRUE(openingDeclined);
    EXPECT_EQ(listAnswers,
              (std::vector<std::string>{"新入生 GLContract", "新入生 GLMSGExcute",
                                        "新規スポンサー GLContract", "新規スポンサー GLMSGExcute"}));
    EXPECT_TRUE(atSchoolMainMenu());
    EXPECT_FALSE(control("picStart").Visible());
    EXPECT_FALSE(picMSG().Visible());
    EXPECT_FALSE(context().ClickWaitFlag);
    EXPECT_EQ(students(), 0) << "nothing was marked";
}

TEST_F(NewYearListTest, TheDayThatReachesAprilFirstOpensBothListsAndGoesOnOnceTheyAreAnswered) {
    setDate("25:3:28");
    listAnswers.clear();
    services->onWait = [this](double) { answerNewYearList(); };
    click("GLDate", 1);
    services->onWait = nullptr;
    EXPECT_EQ(listAnswers,
              (std::vector<std::string>{"新入生 GLContract", "新入生 GLMSGExcute",
                                        "新規スポンサー GLContract", "新規スポンサー GLMSGExcute"}));
    EXPECT_EQ(data().GetDate().Month, 4);
    EXPECT_EQ(data().GetDate().Day, 1);
    EXPECT_TRUE(atSchoolMainMenu());
    EXPECT_FALSE(context().ProcessingFlag);
}

TEST_F(NewYearListTest, TheNewcomerListAdmitsExactlyTheMarkedRows) {
    struct MarkCase {
        std::string name;
        std::vector<std::int16_t> rows; // clicked in this order
        bool selectAll;
    };
    const std::vector<MarkCase> cases = {
        {"none", {}, false},
        {"two", {0, 2}, false},
        {"one, after a second click took another's mark", {1, 3, 1}, false},
        {"all", {}, true},
    };
    for (const MarkCase& c : cases) {
        const std::int16_t before = students();
        std::vector<std::string> chosen;
        std::string question;
        atWaits({[&] {
                     expectListMode("新入生", "入学");
                     ASSERT_GE(list().Rows(), 3) << c.name;
                     for (std::int16_t r : c.rows)
                         clickRow(r);
                     if (c.selectAll) click("GLCommand", 0);
                     chosen = markedNames();
                     EXPECT_EQ(CTMP().GetDataSingle(14).toInteger(), static_cast<int>(chosen.size()))
                         << c.name;
                     click("GLContract");
                 },
                 [&] {
                     EXPECT_FALSE(picSchool().Enabled()) << c.name;
                     question = body();
                     click("GLMSGExcute");
                 }});
        main->ShowNewStudentSelection();
        services->onWait = nullptr;

        if (c.selectAll) {
            EXPECT_EQ(static_cast<int>(chosen.size()), list().Rows() + 1) << c.name;
        }
        const std::string first = std::to_string(chosen.size()) + "人の新入生を入学させます";
        const std::string warning = "5人以上生徒がいないと大会に出場できませんがいいですか";
        EXPECT_EQ(question, before + static_cast<int>(chosen.size()) >= 5 ? first : first + "\r\n" + warning)
            << c.name;
        EXPECT_EQ(students(), before + static_cast<int>(chosen.size())) << c.name;
        for (const std::string& name : chosen)
            EXPECT_TRUE(enrolled(name)) << c.name << " " << name;
        EXPECT_TRUE(picSchool().Enabled()) << c.name;
        EXPECT_FALSE(picMSG().Visible()) << c.name;
        EXPECT_FALSE(context().ClickWaitFlag) << c.name;
    }
}

TEST_F(NewYearListTest, NoSaysToTheQuestionKeepTheListOpenWithItsMarks) {
    std::vector<std::string> chosen;
    int waitsAfterNo = 0;
    atWaits({[&] {
                 clickRow(1);
                 chosen = markedNames();
                 click("GLContract");
             },
             [&] { click("GLMSGCancel"); },
             [&] {
                 ++waitsAfterNo;
                 expectListMode("新入生", "入学");
                 EXPECT_FALSE(picMSG().Visible());
                 EXPECT_TRUE(context().ClickWaitFlag);
                 EXPECT_EQ(markedNames(), chosen);
                 writeLook("school_newcomer_list.png");
                 click("GLContract");
             },
             [&] {
                 EXPECT_EQ(body().substr(0, body().find("\r\n")), "1人の新入生を入学させます");
                 click("GLMSGExcute");
             }});
    main->ShowNewStudentSelection();
    services->onWait = nullptr;
    EXPECT_EQ(waitsAfterNo, 1);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_TRUE(enrolled(chosen.front()));
}

TEST_F(NewYearListTest, TheSponsorListContractsTheMarkedOffersAndPaysTheirMoney) {
    std::vector<std::string> offered;
    std::vector<std::string> chosen;
    std::string question;
    const std::int16_t running = data().GetSponsorCurrentContract();
    const std::int32_t runningMoney = data().GetSponsorCurrentMoney();
    const std::int32_t money = data().GetMoney();
    std::int32_t chosenMoney = 0;
    atWaits({[&] {
                 expectListMode("新規スポンサー", "契約");
                 for (std::int16_t r = 0; r <= list().Rows(); ++r)
                     offered.push_back(list().GetData(r, 1));
                 ASSERT_FALSE(offered.empty()) << "no sponsor on offer";
                 clickRow(0);
                 chosen = markedNames();
                 chosenMoney = std::stoi(list().GetData(0, 3));
                 writeLook("school_sponsor_list.png");
                 click("GLContract");
             },
             [&] {
                 question = body();
                 click("GLMSGExcute");
             }});
    main->ShowNewSponsorSelection();
    services->onWait = nullptr;
    ASSERT_EQ(chosen.size(), 1u);
    std::string expected = "1件のスポンサーと新規に契約します\r\n新規契約と既存の契約をあわせて、" +
                           std::to_string(chosenMoney + runningMoney) + "エニスになります";
    if (running + 1 < data().GetSponsorMaxContract())
        expected += "\r\nスポンサー枠が余っていますがいいですか?";
    EXPECT_EQ(question, expected);
    EXPECT_EQ(data().GetSponsorCurrentContract(), running + 1);
    EXPECT_EQ(data().GetMoney(), money + data().GetSponsorCurrentMoney());
}

TEST_F(NewYearListTest, MarkingMoreSponsorsThanTheFreeSlotsHoldDisablesTheConfirmation) {
    atWaits({[&] {
        const int free = data().GetSponsorMaxContract() - data().GetSponsorCurrentContract();
        ASSERT_GT(list().Rows() + 1, free) << "too few offers to pass the slots";
        for (std::int16_t r = 0; r < free; ++r)
            clickRow(r);
        EXPECT_TRUE(button("GLContract").Enable());
        EXPECT_EQ(CTMP().GetDataSingle(17).toInteger(), free);
        const std::int32_t money = CTMP().GetDataSingle(36).toLong();
        clickRow(static_cast<std::int16_t>(free));
        EXPECT_FALSE(button("GLContract").Enable());
        EXPECT_EQ(CTMP().GetDataSingle(17).toInteger(), free) << "the last choice that could be confirmed";
        EXPECT_EQ(CTMP().GetDataSingle(36).toLong(), money);
        for (std::int16_t r = 0; r <= free; ++r)
            clickRow(r);
        EXPECT_TRUE(button("GLContract").Enable());
        EXPECT_EQ(CTMP().GetDataSingle(17).toInteger(), 0);
        EXPECT_EQ(CTMP().GetDataSingle(36).toLong(), 0);
    }});
    main->ShowNewSponsorSelection();
    services->onWait = nullptr;
}

} // namespace

namespace {

// The window's points a player (or a script driving the window) clicks.
TEST_F(NewYearListTest, TheNewcomerListIsPlayedByClicksAtFixedPointsOfTheWindow) {
    const auto clickAt = [this](int x, int y) {
        driver.push(host::ui::InputEvent::move(x, y));
        driver.click(x, y);
        main->DoEvents();
    };
    std::string question;
    std::int16_t offered = 0;
    atWaits({[&] {
        offered = static_cast<std::int16_t>(list().Rows() + 1);
        ASSERT_GE(offered, 3);
        clickAt(33, 133); // row 0's mark
        clickAt(33, 177); // row 2's mark
        EXPECT_EQ(markedNames(), (std::vector<std::string>{list().GetData(0, 1), list().GetData(2, 1)}));
        clickAt(660, 312); // 入学
        EXPECT_TRUE(picMSG().Visible());
        EXPECT_EQ(body().substr(0, body().find("\r\n")), "2人の新入生を入学させます");
        clickAt(545, 432); // いいえ
        EXPECT_FALSE(picMSG().Visible());
        clickAt(660, 192); // 全選択
        EXPECT_EQ(static_cast<std::int16_t>(markedNames().size()), offered);
        clickAt(660, 312); // 入学
        question = body();
        clickAt(457, 432); // はい
    }});
    main->ShowNewStudentSelection();
    services->onWait = nullptr;
    EXPECT_EQ(question.substr(0, question.find("\r\n")),
              std::to_string(offered) + "人の新入生を入学させます");
    EXPECT_EQ(students(), offered);
}

} // namespace
