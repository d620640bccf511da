#include "headless_game.h"

#include "app/shell/entry_procedure.h"

#include "platform/sound/mng_sound.h"
#include "state/g_data.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/graphical_graph.h"

#include "host/sys/startup_lock.h"
#include "host/ui/label.h"
#include "host/ui/picture_box.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using apptest::controlNamed;
using apptest::findControl;
using apptest::HeadlessGame;
using apptest::WatchedWindow;
namespace fs = std::filesystem;

// What the caption and gauge showed when the game let its messages flow.
struct Shown {
    std::string caption;
    bool gaugeVisible;
    std::int16_t max;
    std::int16_t value;
};

bool titleReady(host::ui::Form& form) {
    host::ui::Control* start = findControl(form, "GLStart");
    return start && start->Visible();
}

ctrGraphicalLabelLite& label(host::ui::Form& form, const std::string& name) {
    return dynamic_cast<ctrGraphicalLabelLite&>(controlNamed(form, name));
}

class StartupTest : public HeadlessGame {
  protected:
    // Runs to the title, lets the test look, then closes the window.
    int runToTitle(const std::function<void(host::ui::Form&)>& atTitle) {
        bool looked = false;
        return run([&](WatchedWindow& window) {
            if (looked || !titleReady(*window.form)) return;
            looked = true;
            atTitle(*window.form);
            window.close();
        });
    }
    std::int16_t chunksOf(const char* archive) const {
        return static_cast<std::int16_t>((fs::file_size(folder.path / "Data" / archive) + 9999) / 10000 - 1);
    }
};

TEST_F(StartupTest, LoadingShowsEachPhasesCaptionAndGaugeThenTheTitle) {
    folder.linkData();
    std::vector<Shown> shown;
    const int status = run([&](WatchedWindow& window) {
        host::ui::Control* caption = findControl(*window.form, "lblProcess");
        if (!caption || !caption->Visible()) {
            if (titleReady(*window.form)) window.close();
            return;
        }
        auto& gauge = dynamic_cast<GraphicalGraph&>(controlNamed(*window.form, "GGraph"));
        Shown now{dynamic_cast<host::ui::Label&>(*caption).Caption(), gauge.Visible(), gauge.Max(),
                  gauge.Value()};
        if (shown.empty() || shown.back().caption != now.caption || shown.back().value != now.value ||
            shown.back().max != now.max)
            shown.push_back(now);
    });
    EXPECT_EQ(status, 0);

    // The last thing each phase showed, in order.
    struct Phase {
        std::string caption;
        bool gaugeVisible;
        std::int16_t max;
        std::int16_t lastValue;
    };
    const std::vector<Phase> expected = {
        {"", false, 100, 0}, // the title is shown before loading begins
        {"ゲームデータ読み込み中", false, 100, 0},
        {"画像データ読み込み", true, chunksOf("quorvelimage.kpz"), chunksOf("quorvelimage.kpz")},
        {"画像データを展開中", true, 204, 204},
        {"音楽データ読み込み", true, chunksOf("quorvelsound.kpz"), chunksOf("quorvelsound.kpz")},
        {"音楽データを展開中", true, 47, 47},
        {"コントロールを配置中", true, 80, 80},
    };
    std::vector<Phase> phases;
    for (const Shown& s : shown) {
        if (phases.empty() || phases.back().caption != s.caption)
            phases.push_back({s.caption, s.gaugeVisible, 0, 0});
        phases.back().gaugeVisible = s.gaugeVisible;
        phases.back().max = s.max;
        phases.back().lastValue = s.value;
    }
    ASSERT_EQ(phases.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(phases[i].caption, expected[i].caption);
        EXPECT_EQ(phases[i].gaugeVisible, expected[i].gaugeVisible) << expected[i].caption;
        EXPECT_EQ(phases[i].max, expected[i].max) << expected[i].caption;
        EXPECT_EQ(phases[i].lastValue, expected[i].lastValue) << expected[i].caption;
    }

    // The layout steps by tens, each step shown; the town, class, battle, unit and settings screens' builders
    // add their own steps.
    std::vector<std::int16_t> layout;
    for (const Shown& s : shown)
        if (s.caption == "コントロールを配置中") layout.push_back(s.value);
    EXPECT_EQ(layout, (std::vector<std::int16_t>{0,  10, 20, 22, 24, 26, 28, 30, 31, 32, 33, 34, 35,
                                                 36, 37, 38, 39, 40, 42, 44, 46, 48, 50, 60, 61, 62,
                                                 63, 64, 65, 66, 67, 68, 70, 72, 75, 78, 80}));
}

TEST_F(StartupTest, TheTitleFillsTheWindowWithItsCaptionAndButtons) {
    folder.linkData();
    const int status = runToTitle([&](host::ui::Form& form) {
        EXPECT_EQ(form.Caption(), "Quorvel 1.0.0");
        auto& picStart = controlNamed(form, "picStart");
        EXPECT_EQ(form.children().back(), &picStart);
        EXPECT_EQ(picStart.bounds(), (host::gdi::Rect{0, 0, 800, 600}));
        EXPECT_EQ(label(form, "GLStart").Text(), "始めから");
        EXPECT_EQ(label(form, "GLStart").bounds(), (host::gdi::Rect{330, 400, 470, 425}));
        EXPECT_EQ(label(form, "GLContinue").Text(), "続きから");
        EXPECT_EQ(label(form, "GLContinue").bounds(), (host::gdi::Rect{330, 450, 470, 475}));
        EXPECT_FALSE(controlNamed(form, "lblProcess").Visible());
        EXPECT_FALSE(controlNamed(form, "GGraph").Visible());
        for (const char* screen :
             {"picSchool", "picClass", "picUnit", "picCity", "picSetting", "picClassImage", "BattleDisp",
              "picTournament", "picMSG", "picOutput", "picWork"})
            EXPECT_NE(findControl(form, screen), nullptr) << screen;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(StartupTest, ContinueIsEnabledOnlyWhileASaveSlotExists) {
    struct Case {
        const char* saveFile; // nullptr: no save
        bool enabled;
    };
    const Case cases[] = {{nullptr, false},
                          {"Save/quorvel1.sav", true},
                          {"Save/quorvel20.sav", true},
                          {"Save/quorvel21.sav", false}};
    for (const Case& c : cases) {
        fs::remove_all(folder.path / "Save");
        if (!fs::exists(folder.path / "Data")) folder.linkData();
        if (c.saveFile) folder.write(c.saveFile, "slot");
        std::optional<bool> enabled;
        runToTitle([&](host::ui::Form& form) {
            enabled = label(form, "GLContinue").Enable();
            EXPECT_TRUE(label(form, "GLStart").Enable());
        });
        EXPECT_EQ(enabled, c.enabled) << (c.saveFile ? c.saveFile : "no save");
    }
}

TEST_F(StartupTest, ADisabledContinueIgnoresTheClickAndTheTitleStays) {
    folder.linkData();
    int looks = 0;
    run([&](WatchedWindow& window) {
        if (!titleReady(*window.form)) return;
        if (++looks == 1) {
            window.click(400, 462);
            return;
        }
        if (looks == 2) {
            EXPECT_TRUE(controlNamed(*window.form, "picStart").Visible());
            window.close();
        }
    });
    EXPECT_EQ(looks, 2);
}

TEST_F(StartupTest, StartBeginsANewGameAndLeavesTheTitle) {
    folder.linkData();
    int looks = 0;
    std::string music;
    apptest::NewYearLists lists;
    run([&](WatchedWindow& window) {
        if (!titleReady(*window.form) && looks == 0) return;
        if (++looks == 1) {
            window.click(400, 412);
            return;
        }
        if (looks == 2) {
            // The opening question over the title, answered no.
            EXPECT_TRUE(controlNamed(*window.form, "picMSG").Visible());
            EXPECT_TRUE(controlNamed(*window.form, "picStart").Visible());
            window.click(545, 432);
            return;
        }
        if (looks == 3) {
            auto& form = *window.form;
            // Until the new game has gone on from the answer and its lists are answered.
            if (lists.answer(window) || controlNamed(form, "picStart").Visible() ||
                !apptest::atSchoolMainMenu(form)) {
                --looks;
                return;
            }
            EXPECT_FALSE(controlNamed(form, "picMSG").Visible());
            EXPECT_FALSE(controlNamed(form, "picStart").Visible());
            EXPECT_FALSE(controlNamed(form, "picStart").Enabled());
            EXPECT_TRUE(controlNamed(form, "picSchool").Enabled());
            for (const char* screen : {"picCity", "picUnit", "picClass"})
                EXPECT_FALSE(controlNamed(form, screen).Enabled()) << screen;
            music = MngSound().GetBGMName();
            EXPECT_EQ(music, Data().GetSoundName());
            window.close();
        }
    });
    EXPECT_EQ(looks, 3);
    EXPECT_FALSE(music.empty());
}

TEST_F(StartupTest, ContinueOpensTheSettingsScreenInFront) {
    folder.linkData();
    folder.write("Save/quorvel2.sav", "slot");
    int looks = 0;
    run([&](WatchedWindow& window) {
        if (!titleReady(*window.form) && looks == 0) return;
        if (++looks == 1) {
            window.click(400, 462);
            return;
        }
        if (looks == 2) {
            auto& form = *window.form;
            auto& picSetting = controlNamed(form, "picSetting");
            EXPECT_FALSE(controlNamed(form, "picStart").Visible());
            EXPECT_TRUE(picSetting.Enabled());
            EXPECT_EQ(form.children().back(), &picSetting);
            for (const char* screen : {"picCity", "picUnit", "picClass"})
                EXPECT_FALSE(controlNamed(form, screen).Enabled()) << screen;
            window.close();
        }
    });
    EXPECT_EQ(looks, 2);
}

TEST_F(StartupTest, ClosingTheWindowWritesTheNineSettingsAndASecondRunReadsThem) {
    folder.linkData();
    EXPECT_EQ(runToTitle([](host::ui::Form&) { MngSound().BGMVolume(35); }), 0);
    auto written = folder.settings();
    EXPECT_EQ(written.size(), 9u);
    for (const char* key : {"Left", "Top", "BGMVolume", "SEVolume", "BattleMSG", "VisibleMSG",
                            "BattleHiSpeed", "StockPriceReport", "Version"})
        EXPECT_TRUE(written.count(key)) << key;
    EXPECT_EQ(written.at("BGMVolume"), "35");
    EXPECT_EQ(written.at("Version"), "1.00.0000");

    std::int32_t volume = -1;
    EXPECT_EQ(runToTitle([&](host::ui::Form&) { volume = MngSound().BGMVolume(); }), 0);
    EXPECT_EQ(volume, 35);
}

TEST_F(StartupTest, ClosingTheWindowWhileLoadingEndsCleanlyAndStillWritesTheSettings) {
    folder.linkData();
    bool closed = false;
    const int status = run([&](WatchedWindow& window) {
        host::ui::Control* caption = findControl(*window.form, "lblProcess");
        if (closed || !caption || dynamic_cast<host::ui::Label&>(*caption).Caption() != "画像データを展開中")
            return;
        closed = true;
        window.close();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(folder.settings().size(), 9u);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(StartupTest, AProgramFolderThatCannotBeWrittenAtTheCloseIsReportedAndTheGameStillEnds) {
    folder.linkData();
    testing::internal::CaptureStderr();
    const int status = runToTitle([&](host::ui::Form&) { folder.makeUnwritable(); });
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 0);
    EXPECT_NE(errors.find("the settings could not be written"), std::string::npos) << errors;
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(StartupTest, ASecondCopyStartedWhileTheFirstLoadsEndsWithoutAWindow) {
    auto first = host::sys::StartupLock::acquire(mdlQuorvel::startupLockFile());
    ASSERT_TRUE(first);
    EXPECT_EQ(run([](WatchedWindow&) {}), 0);
    EXPECT_EQ(windowsOpened, 0);
    first->release();
    folder.linkData();
    EXPECT_EQ(runToTitle([](host::ui::Form&) {}), 0);
    EXPECT_EQ(windowsOpened, 1);
}

TEST_F(StartupTest, AMissingOrDamagedFileIsNamedInAMessageAndEndsTheProgramWithOne) {
    struct Case {
        const char* name;
        const char* file;
        std::function<void(const fs::path& data)> spoil;
        const char* reason;
    };
    const auto truncate = [](const fs::path& file, std::uintmax_t size) { fs::resize_file(file, size); };
    const Case cases[] = {
        {"master data missing", "Data.kpz", [](const fs::path& d) { fs::remove(d / "Data.kpz"); }, "missing"},
        {"master data damaged", "Data.kpz", [&](const fs::path& d) { truncate(d / "Data.kpz", 5000); },
         "damaged"},
        {"title missing", "title.kpz", [](const fs::path& d) { fs::remove(d / "title.kpz"); }, "missing"},
        {"title not a picture", "title.kpz",
         [](const fs::path& d) { std::ofstream(d / "title.kpz", std::ios::binary) << "no picture here"; },
         "not a picture"},
        {"pictures missing", "quorvelimage.kpz",
         [](const fs::path& d) { fs::remove(d / "quorvelimage.kpz"); }, "cannot be read"},
        {"pictures cut short", "quorvelimage.kpz",
         [&](const fs::path& d) { truncate(d / "quorvelimage.kpz", 100000); }, ""},
        {"sounds missing", "quorvelsound.kpz", [](const fs::path& d) { fs::remove(d / "quorvelsound.kpz"); },
         "cannot be read"},
        {"sounds cut short", "quorvelsound.kpz",
         [&](const fs::path& d) { truncate(d / "quorvelsound.kpz", 100000); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder.path);
        fs::create_directories(folder.path);
        folder.copyData();
        c.spoil(folder.path / "Data");
        host::sys::ScriptedMessageBoxes fresh;
        boxes = fresh;
        testing::internal::CaptureStderr();
        const int status = run([](WatchedWindow&) {});
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, 1);
        ASSERT_FALSE(boxes.shown().empty());
        const std::string& text = boxes.shown().back().text;
        EXPECT_NE(text.find((folder.path / "Data" / c.file).string()), std::string::npos) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        EXPECT_FALSE(fs::exists(folder.path / "quorvel.ini"));
    }
}

TEST_F(StartupTest, PicturesOfTheTitleWhileLoadingAndWhenReady) {
    folder.linkData();
    bool loadingShot = false;
    runToTitle([&](host::ui::Form& form) { writeLook("title_ready.png", form); });
    fs::remove(folder.path / "quorvel.ini");
    run([&](WatchedWindow& window) {
        host::ui::Control* caption = findControl(*window.form, "lblProcess");
        if (!loadingShot && caption &&
            dynamic_cast<host::ui::Label&>(*caption).Caption() == "画像データを展開中" &&
            dynamic_cast<GraphicalGraph&>(controlNamed(*window.form, "GGraph")).Value() >= 100) {
            loadingShot = true;
            writeLook("title_loading.png", *window.form);
            window.close();
        }
    });
    EXPECT_TRUE(loadingShot);
}

} // namespace
