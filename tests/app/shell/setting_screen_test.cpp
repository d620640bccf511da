#include "setting_game.h"

#include "app/shell/message_types.h"
#include "app/shell/settings_file.h"

#include "platform/files/gfile.h"
#include "platform/sound/mng_sound.h"
#include "state/save/save_file.h"
#include "state/save/save_parts.h"

#include "host/ui/quit.h"

#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

namespace {

using settingtest::SettingGame;

class SettingScreenTest : public SettingGame {
  protected:
    std::string valueText(int i) { return button("lblSettingMSG", i).Text(); }
    ctrGraphicalSlider& slider(int i) { return control<ctrGraphicalSlider>("GSSetting", i); }
    std::string setting(const char* key) {
        CIniFile& cINI = MainFormInside(*main).context().cINI;
        cINI.NowSection(SettingsFile::kSection);
        return cINI.Data(key);
    }
};

TEST_F(SettingScreenTest, TheSettingsModeShowsTheCurrentSettingsAndLeadsBackToTheSchool) {
    MngSound().BGMVolume(0);
    click("GLSystem", kSettingButton);
    EXPECT_FALSE(picSchool().Enabled());
    EXPECT_TRUE(picSetting().Enabled());
    EXPECT_EQ(button("GLSettingMenu").Text(), "設定");
    const std::vector<std::string> texts = {"再生しない", "音量=50",      "速度=10",
                                            "速度=10",    "高速化しない", "報告しない"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(valueText(i), texts[static_cast<std::size_t>(i)]) << i;
        EXPECT_TRUE(button("GLSettingData", i).Visible()) << i;
    }
    EXPECT_EQ(slider(2).Max(), 20);
    EXPECT_EQ(slider(2).Mix(), 1);
    for (const char* shown : {"GLSettingPlay", "GLSettingReturnSchool"})
        EXPECT_TRUE(control(shown).Visible()) << shown;
    for (const char* hidden : {"GGSetting", "GLSettingSL", "GLSettinggotoTitle", "GLSettingEND"})
        EXPECT_FALSE(control(hidden).Visible()) << hidden;
    writeLook("setting_mode.png");

    click("GLSettingReturnSchool");
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_FALSE(picSetting().Enabled());
}

TEST_F(SettingScreenTest, EachSliderAndToggleTakesEffectAtOnce) {
    click("GLSystem", kSettingButton);
    slider(0).Value(0);
    EXPECT_EQ(MngSound().BGMVolume(), 0);
    EXPECT_EQ(valueText(0), "再生しない");
    EXPECT_FALSE(MngSound().ISPlay(data().GetSoundName()));
    slider(0).Value(30);
    EXPECT_EQ(valueText(0), "音量=30");
    EXPECT_TRUE(MngSound().ISPlay(data().GetSoundName()));

    slider(1).Value(20);
    EXPECT_EQ(MngSound().SEVolume(), 20);
    click("GLSettingPlay");
    EXPECT_TRUE(MngSound().ISPlay("coin05"));

    slider(2).Value(3);
    slider(3).Value(17);
    EXPECT_EQ(setting(SettingsFile::kBattleMSG), "3");
    EXPECT_EQ(setting(SettingsFile::kVisibleMSG), "17");
    EXPECT_EQ(valueText(3), "速度=17");

    click("GLSettingData", 4);
    EXPECT_EQ(valueText(4), "高速化する");
    EXPECT_EQ(setting(SettingsFile::kBattleHiSpeed), "True");
    click("GLSettingData", 4);
    EXPECT_EQ(valueText(4), "高速化しない");
    click("GLSettingData", 5);
    EXPECT_EQ(valueText(5), "報告する");
    EXPECT_TRUE(main->GetStockPriceReport());

    // Leaving and coming back shows what was set.
    click("GLSettingReturnSchool");
    click("GLSystem", kSettingButton);
    EXPECT_EQ(slider(0).Value(), 30);
    EXPECT_EQ(valueText(1), "音量=20");
}

TEST_F(SettingScreenTest, QuittingAsksFirstAndTheCloseWritesTheSettings) {
    click("GLSystem", kSettingButton);
    slider(0).Value(35);
    slider(1).Value(45);
    click("GLSettingReturnSchool");
    click("GLSystem", kSaveButton);

    services->answer(false);
    click("GLSettingEND");
    ASSERT_EQ(services->messages().size(), 1U);
    EXPECT_EQ(services->messages()[0].text, "ゲームを終了します");
    EXPECT_EQ(services->messages()[0].title, "終了確認");
    EXPECT_TRUE(picSetting().Enabled());

    services->answer(true);
    EXPECT_THROW(click("GLSettingEND"), host::ui::QuitRequested);
    main->pump().ShutDown();
    const auto written = folder.settings();
    EXPECT_EQ(written.at("BGMVolume"), "35");
    EXPECT_EQ(written.at("SEVolume"), "45");
}

TEST_F(SettingScreenTest, ASaveLoadedBackAfterADayGivesBackTheSavedGame) {
    enrol("一条太郎");
    click("GLSystem", kSaveButton);
    EXPECT_EQ(button("GLSettingMenu").Text(), "セーブ");
    EXPECT_FALSE(button("GLSettingSL").Enable());
    EXPECT_TRUE(button("GLSettingReturnSchool").Visible());
    ASSERT_EQ(slots().Rows(), 19);
    for (std::int16_t r = 0; r <= 19; ++r)
        EXPECT_EQ(cell(r, 2), "No DATA") << r;

    clickSlot(2);
    EXPECT_TRUE(button("GLSettingSL").Enable());
    click("GLSettingSL");
    EXPECT_EQ(MainFormInside(*main).context().CTMP.GetMSGType(), message_type::kSave);
    EXPECT_EQ(body(), "3番のデータに保存します");
    const SaveParts saved = parts();
    click("GLMSGExcute");
    EXPECT_TRUE(File().IsFile(saveSlotPath(3)));
    EXPECT_NE(cell(2, 2), "No DATA");
    EXPECT_FALSE(slots().Checked(2));
    EXPECT_FALSE(button("GLSettingSL").Enable());
    EXPECT_TRUE(picSetting().Enabled());
    EXPECT_FALSE(control("picMSG").Visible());

    clickSlot(2);
    click("GLSettingSL");
    EXPECT_EQ(body(), "3番のデータに上書き保存します");
    click("GLMSGCancel");
    EXPECT_TRUE(picSetting().Enabled());
    EXPECT_FALSE(control("picMSG").Visible());

    click("GLSettingReturnSchool");
    const clsDateDetails before = data().GetDate();
    click("GLDate", 1);
    ASSERT_NE(data().GetDate().Day, before.Day);
    ASSERT_NE(parts(), saved);

    loadFrom(2);
    EXPECT_EQ(body(), "3番のデータをロードします");
    EXPECT_EQ(parts(), saved);
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_FALSE(picSetting().Enabled());
    EXPECT_EQ(data().GetDate().Day, before.Day);
}

TEST_F(SettingScreenTest, TheLoadListOffersOnlySlotsThatHoldASave) {
    saveTo(0);
    click("GLSystem", kLoadButton);
    EXPECT_EQ(button("GLSettingSL").Text(), "ロード");
    clickSlot(1);
    EXPECT_FALSE(slots().Checked(1));
    EXPECT_FALSE(button("GLSettingSL").Enable());
    clickSlot(0);
    EXPECT_TRUE(button("GLSettingSL").Enable());
    clickSlot(0);
    EXPECT_FALSE(button("GLSettingSL").Enable());
}

// The file-size limit makes every write past a few bytes fail.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit before_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(SettingScreenTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldSlot) {
    saveTo(0);
    const std::string old = folder.read("Save/quorvel1.sav");
    const std::string oldTime = [&] {
        click("GLSystem", kSaveButton);
        return cell(0, 2);
    }();
    data().SetDate("3:7:10");
    clickSlot(0);
    click("GLSettingSL");
    {
        FileSizeLimit limit(200);
        click("GLMSGExcute");
    }
    EXPECT_EQ(folder.read("Save/quorvel1.sav"), old);
    EXPECT_EQ(body(), "1番のデータにセーブできませんでした\r\n前のデータはそのままです");
    EXPECT_TRUE(control("picMSG").Visible());
    EXPECT_FALSE(button("GLMSGExcute").Visible());
    ASSERT_FALSE(services->messages().empty());
    EXPECT_NE(services->messages().back().text.find("前のセーブデータはそのままです"), std::string::npos);
    writeLook("save_failed.png");

    click("GLMSGCancel");
    EXPECT_FALSE(control("picMSG").Visible());
    EXPECT_TRUE(picSetting().Enabled());
    EXPECT_EQ(cell(0, 2), oldTime);
}

TEST_F(SettingScreenTest, ADamagedSlotIsRefusedAndTheRunningGameGoesOn) {
    saveTo(0);
    const std::string good = folder.read("Save/quorvel1.sav");
    const std::string header = readSaveHeader(std::span(reinterpret_cast<const std::uint8_t*>(good.data()),
                                                        static_cast<std::size_t>(kSaveHeaderSize)));
    SaveParts foreign = parts();
    partOf(foreign, SavePart::Teacher) = "?";
    const auto teacherDamaged = makeSaveImage(header, joinSaveBody(foreign));
    struct Case {
        const char* name;
        std::string file;
        const char* told;
    };
    const std::vector<Case> cases = {
        {.name = "a part that cannot be read",
         .file = std::string(teacherDamaged.begin(), teacherDamaged.end()),
         .told = savePartLabel(SavePart::Teacher).data()},
        {.name = "cut short", .file = good.substr(0, good.size() / 2), .told = "Error:スロット1"},
        {.name = "no body", .file = good.substr(0, kSaveHeaderSize), .told = "Error:スロット1"},
        {.name = "foreign bytes",
         .file = good.substr(0, kSaveHeaderSize) + std::string(4000, 'x'),
         .told = "Error:スロット1"},
    };
    data().SetDate("5:9:20");
    const SaveParts running = parts();
    for (const Case& c : cases) {
        folder.write("Save/quorvel1.sav", c.file);
        const std::size_t told = services->messages().size();
        loadFrom(0);
        EXPECT_EQ(parts(), running) << c.name;
        EXPECT_EQ(body(), "1番のデータをロードできませんでした\r\nゲームはそのまま続きます") << c.name;
        ASSERT_EQ(services->messages().size(), told + 1) << c.name;
        EXPECT_NE(services->messages().back().text.find(c.told), std::string::npos)
            << c.name << ": " << services->messages().back().text;
        click("GLMSGCancel");
        EXPECT_TRUE(picSetting().Enabled()) << c.name;
        click("GLSettingReturnSchool");
    }

    // A header that cannot be read shows the slot as failed, and it cannot be chosen.
    folder.write("Save/quorvel1.sav", std::string(kSaveHeaderSize, 'x') + good.substr(kSaveHeaderSize));
    folder.write("Save/quorvel2.sav", good);
    click("GLSystem", kLoadButton);
    EXPECT_EQ(cell(0, 2), "No DATA");
    EXPECT_EQ(cell(0, 3), "File Failed");
    clickSlot(0);
    EXPECT_FALSE(button("GLSettingSL").Enable());
    writeLook("save_list.png");

    // Saving over it asks as over any save.
    click("GLSettingReturnSchool");
    click("GLSystem", kSaveButton);
    clickSlot(0);
    click("GLSettingSL");
    EXPECT_EQ(body(), "1番のデータに上書き保存します");
}

TEST_F(SettingScreenTest, ReturningToTheTitleResetsTheGameAndASecondNewGameAsksTheOpeningAgain) {
    const clsDateDetails start = data().GetDate();
    const std::int32_t money = data().GetMoney();
    enrol("一条太郎");
    saveTo(0);
    click("GLDate", 1);
    ASSERT_TRUE(data().CheckStudentCount());

    click("GLSystem", kSaveButton);
    click("GLSettinggotoTitle");
    EXPECT_EQ(MainFormInside(*main).context().CTMP.GetMSGType(), message_type::kReturnToTitle);
    EXPECT_EQ(body(), "タイトルに戻ります");
    click("GLMSGExcute");
    auto& picStart = control<host::ui::PictureBox>("picStart");
    EXPECT_TRUE(picStart.Visible());
    EXPECT_TRUE(picStart.Enabled());
    EXPECT_FALSE(picSetting().Enabled());
    EXPECT_TRUE(button("GLContinue").Enable());
    EXPECT_FALSE(MngSound().ISPlay(data().GetSoundName()));
    EXPECT_FALSE(data().CheckStudentCount());
    EXPECT_EQ(data().GetMoney(), money);
    EXPECT_EQ(data().GetDate().Day, start.Day);
    EXPECT_EQ(data().GetDate().Month, start.Month);
    EXPECT_EQ(data().GetDate().Year, start.Year);

    bool asked = false;
    services->onWait = [&](double) {
        if (answerNewYearList() || !control("picMSG").Visible()) return;
        asked = MainFormInside(*main).context().CTMP.GetMSGType() == message_type::kOpeningQuestion;
        click("GLMSGCancel");
    };
    click("GLStart");
    services->onWait = nullptr;
    EXPECT_TRUE(asked);
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_EQ(data().GetMoney(), money);
}

TEST_F(SettingScreenTest, ContinueFromTheTitleOpensTheLoadListWithoutTheWayBackToTheSchool) {
    saveTo(0);
    click("GLSystem", kSaveButton);
    click("GLSettinggotoTitle");
    click("GLMSGExcute");
    click("GLContinue");
    EXPECT_TRUE(picSetting().Enabled());
    EXPECT_EQ(button("GLSettingMenu").Text(), "ロード");
    EXPECT_FALSE(button("GLSettingReturnSchool").Visible());
    EXPECT_TRUE(button("GLSettinggotoTitle").Visible());
    EXPECT_TRUE(button("GLSettingEND").Visible());
    clickSlot(0);
    click("GLSettingSL");
    click("GLMSGExcute");
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_TRUE(MngSound().ISPlay(data().GetSoundName()));
}

} // namespace
