#include "app/screens/school/school_game.h"
#include "app/shell/main_form_inside.h"

#include "app/shell/message_types.h"

#include "host/ui/input_event.h"
#include "host/ui/label.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using schooltest::SchoolGame;
using Keys = std::map<std::int32_t, host::runtime::Variant>;

constexpr int kEnter = 13;
constexpr int kEscape = 27;

class MessageDialogTest : public SchoolGame {
  protected:
    clsTMPData& CTMP() { return MainFormInside(*main).context().CTMP; }
    FormContext& context() { return MainFormInside(*main).context(); }
    host::ui::PictureBox& picMSG() { return control<host::ui::PictureBox>("picMSG"); }
    ctrGraphicalLabelLite& ok() { return button("GLMSGExcute"); }
    ctrGraphicalLabelLite& cancel() { return button("GLMSGCancel"); }
    ctrGraphicalSlider& slider() { return control<ctrGraphicalSlider>("GSMSG"); }
    ctrGraphicalGridVer2& grid() { return control<ctrGraphicalGridVer2>("GGMSG"); }
    std::string body() { return control<host::ui::Label>("lblBody").Caption(); }
    std::string secondLine() { return control<host::ui::Label>("lblBody2").Caption(); }

    // Opens the dialog over the school screen as an opener does.
    void open(std::int32_t type, std::int32_t kind, const std::string& text, const std::string& caption,
              const Keys& keys = {}) {
        picSchool().setEnabled(false);
        CTMP().SetMSGType(type);
        for (const auto& [k, value] : keys)
            CTMP().SetDataSingle(k, value);
        main->ShowDialog(kind, picSchool(), "picSchool", text, caption, {});
    }
    void setMoney(std::int32_t money) { managers(data()).system().AddMoney(money - data().GetMoney()); }
    void press(int code) {
        driver.push(host::ui::InputEvent::keyChar(code));
        main->DoEvents();
    }
    // Marks or unmarks a row of the choice grid as a click on it does.
    void clickRow(std::int16_t row) {
        auto& choices = grid();
        choices.Checked(row, !choices.Checked(row));
        std::int16_t selected = row;
        std::int16_t cols = 0;
        choices.RowSelect.raise(selected, cols);
    }
    // The effects played from now on.
    std::vector<std::int32_t> effectsPlayed() {
        std::vector<std::int32_t> ids;
        for (const auto& call : audioBackend().calls())
            if (call.action == host::sound::NullBackend::Action::PlayOnce) ids.push_back(call.id);
        return ids;
    }
    host::sound::NullBackend& audioBackend() { return *audio->backend; }
};

// What a layout shows; an empty caption stands for a hidden button.
struct Shown {
    std::string ok;
    bool okEnabled;
    std::string cancel;
    std::optional<std::int32_t> sliderMax;
    std::optional<std::int16_t> gridRows;
};

TEST_F(MessageDialogTest, EachLayoutShowsItsButtonsSliderOrGridOverADarkenedCopyOfTheScreen) {
    setMoney(350);
    managers(data()).system().AddKingdomPoint(1000);
    struct Case {
        const char* name;
        std::int32_t type;
        std::int32_t kind;
        std::string caption;
        Keys keys;
        Shown shown;
    };
    const std::vector<Case> cases = {
        {"notice", 18, 1, "OK", {}, {"", false, "OK", {}, {}}},
        {"question", 28, 3, "OK", {}, {"はい", true, "いいえ", {}, {}}},
        {"buying shares: what the money pays",
         2,
         2,
         "購入",
         {{4, 100}, {5, 95}},
         {"購入", false, "キャンセル", 3, {}}},
        {"buying shares: up to 100 held",
         2,
         2,
         "購入",
         {{4, 100}, {5, 99}},
         {"購入", false, "キャンセル", 1, {}}},
        {"selling shares: those held",
         2,
         2,
         "売却",
         {{4, 100}, {5, 40}},
         {"売却", false, "キャンセル", 40, {}}},
        {"shares without a price", 2, 2, "購入", {{4, 0}, {5, 0}}, {"購入", false, "キャンセル", 0, {}}},
        {"tickets: those held", 5, 5, "引換", {{10, 7}}, {"引換", false, "キャンセル", 7, {}}},
        {"point exchange of a ticket",
         6,
         6,
         "交換",
         {{11, "銅チケット"}},
         {"交換", false, "キャンセル", data().GetMaxTicket("銅チケット"), {}}},
        {"point exchange of a rule", 6, 6, "交換", {{11, "学園拡張"}}, {"交換", true, "キャンセル", {}, {}}},
        {"item shop: buying",
         8,
         8,
         "購入",
         {{13, "薬草"}},
         {"購入", false, "キャンセル", data().GetMaxItem("薬草"), {}}},
        {"processing",
         4,
         4,
         "購入",
         {{7, "回復薬"}},
         {"購入", false, "キャンセル", data().GetMaxItemMixture("回復薬"), {}}},
        {"use item: nothing held", 12, 12, "使用する", {}, {"使用する", false, "キャンセル", {}, -1}},
        {"career guidance", 13, 13, "指導する", {}, {"指導する", false, "キャンセル", {}, 13}},
        {"bonus", 25, 25, "OK", {}, {"OK", false, "キャンセル", {}, 4}},
        {"a kind without a layout", 18, 99, "OK", {}, {"", false, "", {}, {}}},
    };
    ASSERT_GT(data().GetMaxTicket("銅チケット"), 0);
    ASSERT_GT(data().GetMaxItem("薬草"), 0);
    for (const Case& c : cases) {
        open(c.type, c.kind, "本文", c.caption, c.keys);
        EXPECT_TRUE(picMSG().Visible()) << c.name;
        EXPECT_EQ(picMSG().bounds(), (host::gdi::Rect{200, 150, 600, 450})) << c.name;
        EXPECT_EQ(ok().Visible(), !c.shown.ok.empty()) << c.name;
        if (ok().Visible()) {
            EXPECT_EQ(ok().Text(), c.shown.ok) << c.name;
            EXPECT_EQ(ok().Enable(), c.shown.okEnabled) << c.name;
        }
        EXPECT_EQ(cancel().Visible(), !c.shown.cancel.empty()) << c.name;
        if (cancel().Visible()) {
            EXPECT_EQ(cancel().Text(), c.shown.cancel) << c.name;
            EXPECT_TRUE(cancel().Enable()) << c.name;
        }
        EXPECT_EQ(slider().Visible(), c.shown.sliderMax.has_value()) << c.name;
        if (c.shown.sliderMax) {
            EXPECT_EQ(slider().Max(), *c.shown.sliderMax) << c.name;
            EXPECT_EQ(slider().Value(), 0) << c.name;
        }
        EXPECT_EQ(grid().Visible(), c.shown.gridRows.has_value()) << c.name;
        if (c.shown.gridRows) {
            EXPECT_EQ(grid().Rows(), *c.shown.gridRows) << c.name;
        }
        EXPECT_EQ(secondLine(), "") << c.name;
        main->CloseDialog();
    }
}

TEST_F(MessageDialogTest, TheDialogPictureIsTheScreenBehindAtHalfBrightnessInAGoldFrame) {
    // A point between the menu buttons.
    const host::gdi::COLORREF behind = picSchool().hDC().bitmap().pixel(275, 240);
    open(message_type::kTimetableNotFinished, dialog_layout::kNotice, "", "OK");
    const host::gdi::COLORREF shown = picMSG().hDC().bitmap().pixel(75, 90);
    EXPECT_EQ(host::gdi::GetRValue(shown), host::gdi::GetRValue(behind) / 2);
    EXPECT_EQ(host::gdi::GetGValue(shown), host::gdi::GetGValue(behind) / 2);
    EXPECT_EQ(host::gdi::GetBValue(shown), host::gdi::GetBValue(behind) / 2);
    const host::gdi::COLORREF gold = host::gdi::RGB(255, 215, 0);
    for (auto [x, y] : {std::pair{0, 100}, {399, 100}, {200, 0}, {200, 299}})
        EXPECT_EQ(picMSG().hDC().bitmap().pixel(x, y), gold) << x << "," << y;
}

TEST_F(MessageDialogTest, ThePointExchangeOfARuleWarnsThatItCannotBeUndone) {
    open(message_type::kPointExchange, dialog_layout::kPointExchange, "王国ポイントを学園拡張と交換します",
         "交換", {{11, "学園拡張"}});
    EXPECT_EQ(body(), "王国ポイントを学園拡張と交換します\r\n制度の変更を申請すると元には戻せなくなります");
    open(message_type::kPointExchange, dialog_layout::kPointExchange, "王国ポイントを銅チケットと交換します",
         "交換", {{11, "銅チケット"}});
    EXPECT_EQ(body(), "王国ポイントを銅チケットと交換します");
}

TEST_F(MessageDialogTest, TheSliderWritesTheSecondLineAndEnablesOKForAQuantityThatCanBeCarriedOut) {
    struct Case {
        const char* name;
        std::int32_t type;
        std::string caption;
        Keys keys;
        std::int32_t money;
        std::int32_t quantity;
        std::string line;
        bool okEnabled;
    };
    const std::vector<Case> cases = {
        {"buying shares", 2, "購入", {{4, 150}}, 1000, 3, "購入枚数=3 金額=450", true},
        {"buying shares past the money", 2, "購入", {{4, 150}}, 1000, 7, "購入枚数=7 金額=1050", false},
        {"selling shares", 2, "売却", {{4, 150}}, 0, 7, "売却枚数=7 金額=1050", true},
        {"processing", 4, "購入", {{8, 500}}, 0, 2, "個数=2 加工代金=1000", true},
        {"tickets", 5, "引換", {}, 0, 4, "引換枚数=4枚", true},
        {"point exchange", 6, "交換", {{11, "銅チケット"}}, 0, 2, "銅チケット2枚", true},
    };
    for (const Case& c : cases) {
        setMoney(c.money);
        // A slider with room for every quantity; the line follows the message type.
        Keys keys = c.keys;
        keys[clsTMPData::kTicketsHeld] = 100;
        open(c.type, dialog_layout::kTickets, "", c.caption, keys);
        slider().Value(c.quantity);
        EXPECT_EQ(secondLine(), c.line) << c.name;
        EXPECT_EQ(ok().Enable(), c.okEnabled) << c.name;
        slider().Value(0);
        EXPECT_FALSE(ok().Enable()) << c.name << ": nothing chosen";
        main->CloseDialog();
    }
    setMoney(1000);
    open(message_type::kShares, dialog_layout::kTickets, "", "購入", {{4, 150}, {10, 100}});
    slider().Value(3);
    slider().Value(0);
    EXPECT_EQ(secondLine(), "購入枚数=0 金額=0");
}

TEST_F(MessageDialogTest, AMarkedRowOfTheChoiceGridEnablesOKAndKeepsItsAnswer) {
    open(message_type::kCourse, dialog_layout::kCourse, "", "指導する");
    clickRow(2);
    EXPECT_TRUE(ok().Enable());
    const std::string course = grid().GetData(2, 1);
    EXPECT_EQ(CTMP().GetDataSingle(clsTMPData::kPickedCourse).toString(), course);
    clickRow(2);
    EXPECT_FALSE(ok().Enable()) << "the mark removed";
    EXPECT_EQ(CTMP().GetDataSingle(clsTMPData::kPickedCourse).toString(), course) << "the answer stays";
    main->CloseDialog();

    // A bonus the treasury cannot pay leaves OK disabled and the earlier answer.
    setMoney(0);
    CTMP().SetDataSingle(clsTMPData::kBonusMoney, std::int16_t{7});
    open(message_type::kBonus, dialog_layout::kBonus, "", "OK");
    clickRow(0);
    EXPECT_TRUE(grid().Checked(0));
    EXPECT_FALSE(ok().Enable());
    EXPECT_EQ(CTMP().GetDataSingle(clsTMPData::kBonusMoney).toLong(), 7);
    clickRow(0);
    setMoney(1000000);
    clickRow(0);
    EXPECT_TRUE(ok().Enable());
    EXPECT_EQ(CTMP().GetDataSingle(clsTMPData::kBonusMoney).toString(), grid().GetData(0, 1));
    EXPECT_EQ(CTMP().GetDataSingle(clsTMPData::kBonusEffect).toString(), grid().GetData(0, 2));
}

TEST_F(MessageDialogTest, TheUnfinishedTimetableNoticeKeepsTheDateAndGivesTheSchoolScreenBack) {
    // A student whose lessons have no teacher.
    enrol("テスト生徒");
    host::runtime::Collection<std::shared_ptr<clsClassSchedule>> unset;
    for (int slot = 0; slot < clsMngSchedule::SlotCount; ++slot) {
        auto record = std::make_shared<clsClassSchedule>();
        record->ClassType(clsClassSchedule::WholeClass);
        unset.add(record, "テスト生徒:" + std::to_string(slot));
    }
    managers(data()).students().SetStudentSchedule(unset);
    setDate("25:5:1");
    ASSERT_FALSE(data().CheckClassSetting());
    struct Case {
        const char* name;
        int dayButton;
        std::optional<int> key; // else a click on the notice's button
    };
    for (const Case& c : {Case{"次の日へ, clicked", 1, {}}, Case{"週末へ, Enter", 2, kEnter},
                          Case{"合宿, Escape", 3, kEscape}}) {
        if (!button("GLDate", c.dayButton).Enable()) continue;
        click("GLDate", c.dayButton);
        EXPECT_EQ(CTMP().GetMSGType(), 18) << c.name;
        EXPECT_TRUE(picMSG().Visible()) << c.name;
        EXPECT_FALSE(picSchool().Enabled()) << c.name;
        EXPECT_EQ(body(), "生徒の授業の設定が終わっていません") << c.name;
        EXPECT_FALSE(ok().Visible()) << c.name;
        EXPECT_EQ(cancel().Text(), "OK") << c.name;
        if (c.dayButton == 1) writeLook("dialog_notice.png");
        if (c.key)
            press(*c.key);
        else
            click("GLMSGCancel");
        EXPECT_FALSE(picMSG().Visible()) << c.name;
        EXPECT_TRUE(picSchool().Enabled()) << c.name;
        EXPECT_EQ(data().GetDate().Day, 1) << c.name;
        EXPECT_EQ(data().GetMenu(), menu_key::kAcademy) << c.name;
    }
}

TEST_F(MessageDialogTest, ANewGameAsksForTheOpeningFirstAndDeclinedGoesOnToTheNewYearsLists) {
    EXPECT_TRUE(openingDeclined);
    // The new year's lists followed the opening's question.
    EXPECT_EQ(listAnswers.front(), "新入生 GLContract");
    EXPECT_FALSE(CTMP().GetDataSingle(clsTMPData::kWatchOpening).toBool());
    EXPECT_FALSE(picMSG().Visible());
    EXPECT_FALSE(control("picStart").Visible());
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_EQ(frontScreen(), &picSchool());
    EXPECT_EQ(data().GetMenu(), menu_key::kAcademy);
}

TEST_F(MessageDialogTest, TheOpeningQuestionIsAnsweredByEitherButtonOrKey) {
    struct Case {
        const char* name;
        std::optional<int> key;
        const char* button;
        bool watch;
    };
    for (const Case& c : {Case{"はい", {}, "GLMSGExcute", true}, Case{"いいえ", {}, "GLMSGCancel", false},
                          Case{"Enter", kEnter, nullptr, true}, Case{"Escape", kEscape, nullptr, false}}) {
        CTMP().TurnEndMSGClear();
        audioBackend().clearCalls();
        std::vector<std::int32_t> answerSounds;
        services->onWait = [&](double) {
            if (picMSG().Visible()) {
                ASSERT_EQ(body(), "オープニングを見ますか?");
                if (c.key) {
                    audioBackend().clearCalls();
                    press(*c.key);
                    answerSounds = effectsPlayed();
                } else {
                    click(c.button);
                }
            } else if (control("GMSGReport").Visible() && !context().ProcessingFlag) {
                click("GMSGReport");
            }
        };
        main->Opening();
        services->onWait = nullptr;
        EXPECT_FALSE(picMSG().Visible()) << c.name;
        EXPECT_FALSE(context().ClickWaitFlag) << c.name;
        EXPECT_FALSE(control("GMSGReport").Visible()) << c.name << ": nothing left over the school screen";
        EXPECT_EQ(CTMP().GetDataSingle(clsTMPData::kWatchOpening).toBool(), c.watch) << c.name;
        EXPECT_EQ(CTMP().GetDataSingle(clsTMPData::kTurnEndLog).toString().empty(), !c.watch)
            << c.name << ": the story told";
        if (c.key) {
            EXPECT_EQ(answerSounds.size(), 1u) << c.name << ": the click sound";
        }
    }
}

TEST_F(MessageDialogTest, KeysAnswerOnlyWhatTheDialogShowsAndNeverReachTheScreenBehind) {
    const std::int16_t today = data().GetDate().Day;
    context().form.SetFocus(button("GLDate", 1));
    open(message_type::kTickets, dialog_layout::kTickets, "", "引換", {{10, 5}});
    ASSERT_FALSE(ok().Enable());
    press(kEnter);
    EXPECT_TRUE(picMSG().Visible()) << "OK is disabled until a quantity is chosen";
    EXPECT_EQ(data().GetDate().Day, today);
    press(kEscape);
    EXPECT_FALSE(picMSG().Visible());
    // The town gives its own screen back; here it is the school.
    picSchool().setEnabled(true);

    // With no dialog a key goes on to the focused control: Enter on "次の日へ".
    context().form.SetFocus(button("GLDate", 1));
    press(kEnter);
    EXPECT_NE(data().GetDate().Day, today);
}

TEST_F(MessageDialogTest, LooksOfEachLayoutOverTheSchoolScreen) {
    open(message_type::kOpeningQuestion, dialog_layout::kQuestion, "オープニングを見ますか?", "OK");
    writeLook("dialog_question.png");
    setMoney(100000);
    open(message_type::kShares, dialog_layout::kShares,
         "ミルトナ商会の株を購入します\r\n一株150エニスです\r\n最大所持株数は100枚です", "購入",
         {{4, 150}, {5, 10}});
    slider().Value(12);
    EXPECT_TRUE(ok().Enable());
    writeLook("dialog_slider.png");
    open(message_type::kCourse, dialog_layout::kCourse,
         "どの職業を勧めますか?\r\n指導は期間中に一度だけです。\r\nまた指導に失敗することもあります。",
         "指導する");
    clickRow(1);
    writeLook("dialog_grid.png");
}

} // namespace
