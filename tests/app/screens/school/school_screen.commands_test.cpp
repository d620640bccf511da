#include "school_list_game.h"

#include "app/shell/message_types.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using schooltest::SchoolListGame;

// A Saturday in April: every main-menu item is open once students are enrolled.
constexpr const char* kSaturday = "25:4:7";
// The first day of the camp month.
constexpr const char* kCampDay = "25:8:1";
constexpr std::int32_t kRich = 1000000;

class SchoolCommandTest : public SchoolListGame {
  public:
    // What the case saw before it answered the dialog.
    struct Seen {
        std::string row;    // column 1 of the clicked row
        std::int32_t money; // before the answer
        std::string body;   // the dialog's text
        std::string choice; // the marked row of the dialog's grid, columns 1 and 2
        std::string choiceDetail;
    };
    struct CommandCase {
        std::string name;
        std::function<void(SchoolCommandTest&)> arrange;
        std::function<void(SchoolCommandTest&)> open; // shows the list
        std::int16_t row;
        std::function<void(SchoolCommandTest&)> beforeCommand;
        std::string command; // "GLContract" or "GLCommand"
        int commandIndex;
        std::string choice; // the dialog grid's row to mark ("" none)
        std::string answer; // "GLMSGExcute" or "GLMSGCancel"
        std::function<std::string(const Seen&)> expectedBody;
        std::function<void(SchoolCommandTest&, const Seen&)> check;
    };

    // Cases of one game share the roster: each student joins once.
    void joins(const std::string& name) {
        const clsGetGridData names = data().GetStudentName();
        for (std::int16_t i = 0; i <= names.Cols(); ++i)
            if (names.Data(i) == name) return;
        enrol(name);
    }
    void enrolFive() {
        for (const char* name : {"アリス", "ボブ", "キャロル", "デイブ", "エレン"})
            joins(name);
    }
    std::int16_t held(const std::string& item) { return managers(data()).items().ItemStorage(item); }
    void menuItem(int index) { click("GLSchool", index); }
    void subList(int menu, int sub) {
        click("GLSchool", menu);
        click("GLCommand", sub);
    }
    // The number in a dialog text between two words.
    static std::int32_t numberIn(const std::string& text, const std::string& before,
                                 const std::string& after) {
        const std::size_t start = text.find(before) + before.size();
        return std::stoi(text.substr(start, text.find(after, start) - start));
    }
    static const std::vector<CommandCase>& commandCases();
};

const std::vector<SchoolCommandTest::CommandCase>& SchoolCommandTest::commandCases() {
    using T = SchoolCommandTest;
    using Seen = T::Seen;
    static const std::vector<T::CommandCase> cases = {
        {"a teacher on offer hired",
         [](T& t) { t.setMoney(kRich); },
         [](T& t) { t.subList(5, 1); },
         0,
         {},
         "GLContract",
         0,
         "",
         "GLMSGExcute",
         [](const Seen& s) { return s.row + "と契約をします\r\n契約金は"; },
         [](T& t, const Seen& s) {
             const std::int32_t price = T::numberIn(s.body, "契約金は", "エニスです");
             EXPECT_EQ(t.data().GetMoney(), s.money - price);
             EXPECT_TRUE(t.data().CheckContractTeacher(s.row));
             EXPECT_FALSE(t.button("GLContract").Enable());
             for (std::int16_t r = 0; r <= t.list().Rows(); ++r)
                 EXPECT_NE(t.list().GetData(r, 1), s.row) << "the hired teacher is no longer on offer";
         }},
        {"a teacher on offer declined",
         [](T& t) { t.setMoney(kRich); },
         [](T& t) { t.subList(5, 1); },
         0,
         {},
         "GLContract",
         0,
         "",
         "GLMSGCancel",
         [](const Seen& s) { return s.row + "と契約をします\r\n契約金は"; },
         [](T& t, const Seen& s) {
             EXPECT_EQ(t.data().GetMoney(), s.money);
             EXPECT_FALSE(t.data().CheckContractTeacher(s.row));
         }},
        {"a contract the purse no longer covers is refused", [](T& t) { t.setMoney(kRich); },
         [](T& t) { t.subList(5, 1); }, 0, [](T& t) { t.setMoney(0); }, "GLContract", 0, "", "GLMSGExcute",
         [](const Seen& s) { return s.row + "と契約をします\r\n契約金は"; },
         [](T& t, const Seen& s) {
             EXPECT_EQ(t.data().GetMoney(), 0);
             EXPECT_FALSE(t.data().CheckContractTeacher(s.row));
             EXPECT_EQ(t.rowOf(t.list(), s.row), 0) << "still on offer";
             EXPECT_EQ(t.tip(), "資金が足りません");
         }},
        {"a scout hired",
         [](T& t) { t.setMoney(kRich); },
         [](T& t) { t.subList(5, 0); },
         0,
         {},
         "GLContract",
         0,
         "",
         "GLMSGExcute",
         [](const Seen& s) { return s.row + "と契約をします\r\n契約金は"; },
         [](T& t, const Seen& s) {
             EXPECT_EQ(t.data().GetMoney(), s.money - T::numberIn(s.body, "契約金は", "エニスです"));
         }},
        {"a teacher's contract ended",
         {},
         [](T& t) { t.menuItem(2); },
         0,
         {},
         "GLCommand",
         0,
         "",
         "GLMSGExcute",
         [](const Seen& s) { return s.row + "との契約を解除します"; },
         [](T& t, const Seen& s) {
             EXPECT_FALSE(t.data().CheckContractTeacher(s.row));
             EXPECT_FALSE(t.button("GLCommand", 0).Enable());
             EXPECT_FALSE(t.button("GLCommand", 1).Enable()) << "no teacher is marked for a bonus";
         }},
        {"a teacher's bonus paid",
         [](T& t) { t.setMoney(kRich); },
         [](T& t) { t.menuItem(2); },
         0,
         {},
         "GLCommand",
         1,
         "first",
         "GLMSGExcute",
         [](const Seen& s) { return s.row + "にいくらボーナスを出しますか"; },
         [](T& t, const Seen& s) {
             EXPECT_EQ(t.data().GetMoney(), s.money - std::stoi(s.choice));
             EXPECT_FALSE(t.list().Checked(0));
         }},
        {"an item used on a student",
         [](T& t) {
             t.joins("アリス");
             managers(t.data()).items().ItemAdd("回復薬", 2);
         },
         [](T& t) { t.menuItem(1); },
         0,
         {},
         "GLCommand",
         0,
         "回復薬",
         "GLMSGExcute",
         [](const Seen&) { return std::string("生徒にアイテムを一個使用します"); },
         [](T& t, const Seen&) {
             EXPECT_EQ(t.held("回復薬"), 1);
             EXPECT_FALSE(t.list().Checked(0));
             EXPECT_FALSE(t.button("GLCommand", 0).Enable());
         }},
        {"a part-time job taken",
         [](T& t) { t.enrolFive(); },
         [](T& t) { t.menuItem(6); },
         0,
         {},
         "GLContract",
         0,
         "",
         "GLMSGExcute",
         [](const Seen& s) {
             return "生徒全員で" + s.row +
                    "のアルバイトをします\r\nアルバイトをすると依頼を受けることはできません";
         },
         [](T& t, const Seen&) {
             EXPECT_TRUE(t.data().CheckArbeit());
             EXPECT_TRUE(t.atSchoolMainMenu());
             EXPECT_FALSE(t.button("GLSchool", 7).Enable()) << "no quest beside a job";
         }},
        {"a camp gone to",
         [](T& t) {
             t.joins("アリス");
             t.setMoney(kRich);
             t.setDate(kCampDay);
         },
         [](T& t) { t.click("GLDate", 3); },
         0,
         {},
         "GLContract",
         0,
         "",
         "GLMSGExcute",
         [](const Seen& s) {
             return "これから" + s.row +
                    "に合宿に行きます\r\nその間、街へ行ったり、契約などの手続きをすることはできません";
         },
         [](T& t, const Seen& s) {
             EXPECT_LT(t.data().GetMoney(), s.money);
             EXPECT_GE(t.data().GetDate().Day, 28) << "the camp month ran";
             EXPECT_FALSE(t.data().CheckCamp());
             EXPECT_FALSE(t.context().ProcessingFlag);
         }},
    };
    return cases;
}

TEST_F(SchoolCommandTest, EachListCommandAsksItsQuestionAndTheAnswerIsWhatTheGameDoes) {
    for (const CommandCase& c : commandCases()) {
        SCOPED_TRACE(c.name);
        setDate(kSaturday);
        if (c.arrange) c.arrange(*this);
        c.open(*this);
        Seen seen;
        ASSERT_GE(list().Rows(), c.row) << "nothing listed";
        seen.row = list().GetData(c.row, 1);
        clickRow(c.row);
        if (c.beforeCommand) c.beforeCommand(*this);
        ASSERT_TRUE(button(c.command, c.commandIndex).Enable());
        click(c.command, c.commandIndex);
        ASSERT_TRUE(picMSG().Visible());
        EXPECT_FALSE(picSchool().Enabled());
        seen.body = body();
        EXPECT_EQ(seen.body.rfind(c.expectedBody(seen), 0), 0u) << seen.body;
        if (c.choice == "first") {
            seen.choice = choices().GetData(0, 1);
            clickRow(choices(), 0);
        } else if (!c.choice.empty()) {
            clickRow(choices(), rowOf(choices(), c.choice));
        }
        if (c.name == "a teacher on offer hired") writeLook("school_contract_dialog.png");
        seen.money = data().GetMoney();
        click(c.answer);
        // An item's reports stay until the box is clicked.
        if (reportBox().Visible()) click("GMSGReport");
        EXPECT_FALSE(picMSG().Visible());
        EXPECT_FALSE(reportBox().Visible());
        EXPECT_TRUE(picSchool().Enabled());
        c.check(*this, seen);
        setMoney(kRich);
        main->ShowSchoolMenu(false);
    }
}

TEST_F(SchoolCommandTest, AnOfferThePurseCannotPayKeepsItsConfirmationDisabled) {
    setMoney(0);
    subList(5, 1);
    ASSERT_GE(list().Rows(), 0);
    clickRow(0);
    EXPECT_TRUE(list().Checked(0));
    EXPECT_FALSE(button("GLContract").Enable());
    const std::string offer = list().GetData(0, 1);
    click("GLContract");
    EXPECT_FALSE(picMSG().Visible());
    EXPECT_FALSE(data().CheckContractTeacher(offer));
}

TEST_F(SchoolCommandTest, ASecondClickOnTheMarkedRowDisablesTheSubCommands) {
    enrol("アリス");
    managers(data()).items().ItemAdd("回復薬", 1);
    setDate(kSaturday);
    for (int item : {1, 2}) {
        menuItem(item);
        clickRow(0);
        EXPECT_TRUE(button("GLCommand", 0).Enable()) << item;
        EXPECT_EQ(CTMP().GetDataSingle(6).toInteger(), 0) << item;
        clickRow(0);
        EXPECT_FALSE(button("GLCommand", 0).Enable()) << item;
        EXPECT_FALSE(button("GLCommand", 1).Enable()) << item;
        click("GLReturnSchool");
    }
}

TEST_F(SchoolCommandTest, TheHoveredPersonShowsTheirTipAndGaugesAndLeavingPutsTheMenuTipBack) {
    enrol("アリス");
    setDate(kSaturday);
    menuItem(1);
    hoverRow(list(), 0);
    EXPECT_EQ(tip(), data().GetSchoolTips("アリス"));
    const auto detail = data().GetSchoolDetailData("アリス");
    ASSERT_TRUE(detail);
    for (int i = 0; i < 17; ++i) {
        const auto& gauge = control<GraphicalGraph>("GParam", i);
        EXPECT_TRUE(gauge.Visible()) << i;
        EXPECT_EQ(std::to_string(gauge.Value()), detail->Data(static_cast<std::int16_t>(i))) << i;
        EXPECT_TRUE(control("GExp", i).Visible()) << i;
    }
    driver.push(host::ui::InputEvent::move(700, 590));
    main->DoEvents();
    EXPECT_EQ(tip(), data().GetSchoolMenuTips());
}

TEST_F(SchoolCommandTest, SubListsSwitchTheListAndItsGauges) {
    struct SubListCase {
        int menu;
        int sub;
        std::string subMenu;
        bool contractShown;
        bool gaugesShown;
    };
    const std::vector<SubListCase> cases = {
        {3, 0, "アイテム", false, false}, {4, 0, "学園", true, false}, {4, 1, "校舎", false, false},
        {5, 0, "スカウト", true, false},  {5, 1, "教師", true, false},
    };
    managers(data()).items().ItemAdd("回復薬", 1);
    setDate(kSaturday);
    for (const SubListCase& c : cases) {
        ASSERT_TRUE(button("GLSchool", c.menu).Visible());
        subList(c.menu, c.sub);
        EXPECT_EQ(data().GetSubMenu().name(), c.subMenu);
        EXPECT_EQ(button("GLContract").Visible(), c.contractShown) << c.subMenu;
        if (c.contractShown) {
            EXPECT_FALSE(button("GLContract").Enable()) << c.subMenu;
        }
        EXPECT_TRUE(picSchool().Enabled()) << c.subMenu;
        for (int i = 0; i < 17; ++i)
            EXPECT_EQ(control("GParam", i).Visible(), c.gaugesShown) << c.subMenu << " " << i;
        if (c.subMenu == "スカウト") {
            EXPECT_EQ(tip(), data().GetContractScoutTips());
        }
        click("GLReturnSchool");
    }
}

TEST_F(SchoolCommandTest, AQuestChosenOpensTheFormationScreenForItsTeam) {
    enrolFive();
    setDate(kSaturday);
    menuItem(7);
    ASSERT_GE(list().Rows(), 0);
    const std::string quest = list().GetData(0, 1);
    clickRow(0);
    ASSERT_TRUE(button("GLContract").Enable());
    click("GLContract");
    EXPECT_FALSE(picMSG().Visible());
    EXPECT_FALSE(picSchool().Enabled());
    EXPECT_EQ(frontScreen(), &control("picUnit"));
    EXPECT_EQ(button("GLUnitMenu").Text(), "チーム編成");
    EXPECT_EQ(CTMP().GetDataSingle(27).toString(), quest);
    click("GLUnitCommand", 0);
    EXPECT_EQ(frontScreen(), &picSchool());
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_EQ(data().GetMenu().name(), "依頼") << "back on the quest list";
}

TEST_F(SchoolCommandTest, AQuestIsTakenByClicksAtFixedPointsOfTheWindow) {
    const auto clickAt = [this](int x, int y) {
        driver.push(host::ui::InputEvent::move(x, y));
        driver.click(x, y);
        main->DoEvents();
    };
    enrolFive();
    setDate(kSaturday);
    clickAt(375, 262); // 依頼
    EXPECT_EQ(data().GetMenu().name(), "依頼");
    clickAt(105, 133); // the first quest's row
    EXPECT_TRUE(list().Checked(0));
    clickAt(660, 312); // 依頼を受ける
    EXPECT_EQ(frontScreen(), &control("picUnit"));
    EXPECT_EQ(CTMP().GetDataSingle(27).toString(), list().GetData(0, 1));
}

TEST_F(SchoolCommandTest, TheLogShowsTheTurnsLinesUntilItIsClicked) {
    CTMP().SetDataSingle(99, "一行目");
    CTMP().SetDataSingle(99, "二行目");
    context().ProcessingFlag = true;
    click("GLSystem", 3);
    EXPECT_TRUE(reportBox().Visible());
    EXPECT_EQ(reportBox().Text(), "一行目\r\n二行目\r\nここをクリックしてください");
    EXPECT_FALSE(picSchool().Enabled());
    EXPECT_FALSE(context().ProcessingFlag);
    writeLook("school_log.png");
    click("GMSGReport");
    EXPECT_FALSE(reportBox().Visible());
    EXPECT_TRUE(picSchool().Enabled());
}

} // namespace
