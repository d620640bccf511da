#include "app/shell/settings_file.h"

#include "program_folder.h"

#include "platform/files/gfile.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Keys = std::map<std::string, std::string>;

class SettingsFileTest : public testing::Test {
  protected:
    struct Run {
        CIniFile cINI;
        host::ui::Form form;
        clsMngSound sound;
    };
    apptest::ProgramFolder folder;
    host::runtime::ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};
};

TEST_F(SettingsFileTest, AFirstRunPutsTheDefaultsIntoTheModelAndKeepsThePositionAndVolumes) {
    Run run;
    SettingsFile::LoadSettings(run.cINI, run.form, run.sound);
    EXPECT_EQ(run.cINI.NowSection(), "Setting");
    const Keys expected = {{"BGMVolume", "50"},  {"SEVolume", "50"},         {"BattleMSG", "10"},
                           {"VisibleMSG", "10"}, {"BattleHiSpeed", "False"}, {"StockPriceReport", "False"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(run.cINI.Data(key), value) << key;
    EXPECT_EQ(run.form.LeftTwips(), 0);
    EXPECT_EQ(run.form.TopTwips(), 0);
    EXPECT_EQ(run.sound.BGMVolume(), 50);
    EXPECT_FALSE(SettingsFile::GetStockPriceReport(run.cINI));
    EXPECT_FALSE(std::filesystem::exists(folder.path / "quorvel.ini"));
}

TEST_F(SettingsFileTest, TheCloseWritesNineKeysThatTheNextRunReadsBack) {
    {
        Run first;
        SettingsFile::LoadSettings(first.cINI, first.form, first.sound);
        first.form.setPositionTwips(1500, 3000);
        first.sound.BGMVolume(70);
        first.sound.SEVolume(0);
        first.cINI.Data("VisibleMSG", "5");
        first.cINI.Data("StockPriceReport", "True");
        ASSERT_TRUE(SettingsFile::SaveSettings(first.cINI, first.form, first.sound, clsAppInfo(1, 3, 50)));
    }
    EXPECT_EQ(folder.settings(), (Keys{{"BGMVolume", "70"},
                                       {"SEVolume", "0"},
                                       {"BattleMSG", "10"},
                                       {"VisibleMSG", "5"},
                                       {"BattleHiSpeed", "False"},
                                       {"StockPriceReport", "True"},
                                       {"Top", "3000"},
                                       {"Left", "1500"},
                                       {"Version", "1.03.0050"}}));
    Run second;
    SettingsFile::LoadSettings(second.cINI, second.form, second.sound);
    EXPECT_EQ(second.form.LeftTwips(), 1500);
    EXPECT_EQ(second.form.TopTwips(), 3000);
    EXPECT_EQ(second.sound.BGMVolume(), 70);
    EXPECT_EQ(second.sound.SEVolume(), 0);
    EXPECT_EQ(second.cINI.Data("VisibleMSG"), "5");
    EXPECT_TRUE(SettingsFile::GetStockPriceReport(second.cINI));
}

TEST_F(SettingsFileTest, AMissingOrBadValueFallsBackToItsKeysDefault) {
    struct Case {
        const char* key;
        const char* written; // nullptr: the key is left out
        const char* kept;
    };
    const Case cases[] = {
        {"BGMVolume", "abc", "50"},
        {"BGMVolume", "101", "50"},
        {"BGMVolume", "-1", "50"},
        {"BGMVolume", nullptr, "50"},
        {"BGMVolume", "0", "0"},
        {"SEVolume", "100", "100"},
        {"SEVolume", "", "50"},
        {"BattleMSG", "0", "10"},
        {"BattleMSG", "21", "10"},
        {"BattleMSG", "20", "20"},
        {"BattleMSG", "1.5", "10"},
        {"VisibleMSG", "x", "10"},
        {"VisibleMSG", nullptr, "10"},
        {"VisibleMSG", "1", "1"},
        {"BattleHiSpeed", "yes", "False"},
        {"BattleHiSpeed", "1", "False"},
        {"BattleHiSpeed", "true", "True"},
        {"StockPriceReport", nullptr, "False"},
        {"StockPriceReport", "True", "True"},
    };
    for (const Case& c : cases) {
        std::string text = "[Setting]\r\nLeft=600\r\nTop=900\r\n";
        if (c.written) text += std::string(c.key) + "=" + c.written + "\r\n";
        folder.write("quorvel.ini", text);
        Run run;
        SettingsFile::LoadSettings(run.cINI, run.form, run.sound);
        EXPECT_EQ(run.cINI.Data(c.key), c.kept) << c.key << "=" << (c.written ? c.written : "(missing)");
        EXPECT_EQ(run.form.LeftTwips(), 600);
    }
}

TEST_F(SettingsFileTest, ABadPositionKeepsTheWindowWhereItIsAndTheVolumesStillLoad) {
    folder.write("quorvel.ini", "[Setting]\r\nLeft=far\r\nTop=900\r\nBGMVolume=30\r\nSEVolume=40\r\n");
    Run run;
    SettingsFile::LoadSettings(run.cINI, run.form, run.sound);
    EXPECT_EQ(run.form.LeftTwips(), 0);
    EXPECT_EQ(run.form.TopTwips(), 0);
    EXPECT_EQ(run.sound.BGMVolume(), 30);
    EXPECT_EQ(run.sound.SEVolume(), 40);
}

TEST_F(SettingsFileTest, OtherSectionsSurviveAndTheVersionIsRewritten) {
    folder.write("quorvel.ini", "[Grid]\r\nWidth=3\r\n[Setting]\r\nVersion=0.01.0001\r\nBGMVolume=60\r\n");
    Run run;
    SettingsFile::LoadSettings(run.cINI, run.form, run.sound);
    ASSERT_TRUE(SettingsFile::SaveSettings(run.cINI, run.form, run.sound, clsAppInfo(2, 0, 7)));
    EXPECT_NE(folder.read("quorvel.ini").find("[Grid]\r\nWidth=3\r\n"), std::string::npos);
    EXPECT_EQ(folder.settings().at("Version"), "2.00.0007");
    EXPECT_EQ(folder.settings().at("BGMVolume"), "60");
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenIsReportedAsAFailedSave) {
    Run run;
    SettingsFile::LoadSettings(run.cINI, run.form, run.sound);
    folder.makeUnwritable();
    EXPECT_FALSE(SettingsFile::SaveSettings(run.cINI, run.form, run.sound, clsAppInfo()));
}

} // namespace
