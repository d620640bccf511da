#include "app/screens/unit/unit_game.h"

#include "platform/crypto/bas_enc.h"

#include "host/text/utf.h"
#include "host/ui/label.h"
#include "host/ui/text_box.h"

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The unit formation screen in export mode with five members placed.
class TeamOutputDialogTest : public unittest::UnitGame {
  protected:
    TeamOutputDialogTest() {
        openExport();
        placeFive();
    }

    host::ui::PictureBox& picOutput() { return control<host::ui::PictureBox>("picOutput"); }
    host::ui::PictureBox& picUnit() { return control<host::ui::PictureBox>("picUnit"); }
    void type(int box, const std::string& text) {
        control<host::ui::TextBox>("txtOutput", box).setText(text);
        main->DoEvents();
    }
    bool okEnabled() { return button("GLOutputExcute").Enable(); }
    std::string told() { return control<host::ui::Label>("lblOutputMSG").Caption(); }
    std::vector<std::string> kpuFiles() {
        std::vector<std::string> names;
        for (const auto& entry : apptest::fs::directory_iterator(folder.path))
            if (entry.path().extension() == ".kpu") names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(TeamOutputDialogTest, TheConfirmButtonOpensTheDialogWithEmptyBoxesAndOutputOff) {
    click("GLUnitCommand", 1);
    EXPECT_TRUE(picOutput().Visible());
    EXPECT_FALSE(picUnit().Enabled());
    EXPECT_EQ(control<host::ui::TextBox>("txtOutput", 0).Text(), "");
    EXPECT_EQ(control<host::ui::TextBox>("txtOutput", 1).Text(), "");
    EXPECT_EQ(button("GLOutputExcute").Text(), "出力");
    EXPECT_FALSE(okEnabled());
    type(0, "青組");
    type(1, "pass");
    writeLook("team_output_dialog.png");

    click("GLOutputCancel");
    EXPECT_FALSE(picOutput().Visible());
    EXPECT_TRUE(picUnit().Enabled());
    EXPECT_EQ(slots(), (std::vector<std::string>(kNames.begin(), kNames.begin() + 5)));
    EXPECT_TRUE(kpuFiles().empty());

    click("GLUnitCommand", 1);
    EXPECT_EQ(control<host::ui::TextBox>("txtOutput", 0).Text(), "");
    EXPECT_FALSE(okEnabled());
}

TEST_F(TeamOutputDialogTest, NamesAndPasswordsThatCannotBeUsedKeepOutputOffAndSayWhy) {
    click("GLUnitCommand", 1);
    struct Case {
        const char* name;
        const char* teamName;
        const char* password;
        bool enabled;
        const char* why;
    };
    const Case cases[] = {
        {.name = "both given", .teamName = "青組", .password = "pass", .enabled = true, .why = ""},
        {.name = "ten characters",
         .teamName = "一二三四五六七八九十",
         .password = "p",
         .enabled = true,
         .why = ""},
        {.name = "no password", .teamName = "青組", .password = "", .enabled = false, .why = ""},
        {.name = "no name", .teamName = "", .password = "pass", .enabled = false, .why = ""},
        {.name = "eleven characters",
         .teamName = "一二三四五六七八九十一",
         .password = "p",
         .enabled = false,
         .why = "チーム名は10文字までです"},
        {.name = "path",
         .teamName = "../青組",
         .password = "p",
         .enabled = false,
         .why = "チーム名に / や \\ は使えません"},
        {.name = "control character",
         .teamName = "青\t組",
         .password = "p",
         .enabled = false,
         .why = "チーム名に制御文字は使えません"},
        {.name = "blank",
         .teamName = " \u3000 ",
         .password = "p",
         .enabled = false,
         .why = "チーム名が空白だけです"},
        {.name = "password outside CP932",
         .teamName = "青組",
         .password = "p😀",
         .enabled = false,
         .why = "パスワードに使えない文字があります: 😀"},
    };
    for (const Case& c : cases) {
        type(0, c.teamName);
        type(1, c.password);
        EXPECT_EQ(okEnabled(), c.enabled) << c.name;
        EXPECT_EQ(told(), c.why) << c.name;
    }
    type(0, "../青組");
    writeLook("team_output_refused.png");
}

TEST_F(TeamOutputDialogTest, OutputWritesTheEncryptedTeamAndReturnsToTheSchool) {
    click("GLUnitCommand", 1);
    type(0, "青組");
    type(1, "大会パス");
    click("GLOutputExcute");
    EXPECT_FALSE(picOutput().Visible());
    EXPECT_TRUE(picSchool().Enabled());
    EXPECT_FALSE(picUnit().Enabled());
    EXPECT_EQ(slots(), std::vector<std::string>(5, ""));

    ASSERT_EQ(kpuFiles(), std::vector<std::string>{"青組1.kpu"});
    const std::string file = folder.read("青組1.kpu");
    const Bytes bytes(file.begin(), file.end());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), host::text::utf8ToUtf16le("青組"));
    const Bytes plain = basEnc::DecryptBytes(Bytes(bytes.begin() + 20, bytes.end()), "大会パス",
                                             basEnc::CALG_MD5, basEnc::CALG_RC4);
    const std::string text = host::text::utf16leToUtf8(plain);
    EXPECT_EQ(text.rfind(std::string(unittest::kFirstLine) + ",,", 0), 0U) << text;
    EXPECT_EQ(text.substr(text.size() - 7), ",Ending");
    EXPECT_NE(text.find(data().GetUnitSaveDataSystem()), std::string::npos) << text;
}

TEST_F(TeamOutputDialogTest, AFailedWriteKeepsTheDialogOpenAndSaysWhy) {
    apptest::fs::create_directories(folder.path / "青組1.kpu" / "inside");
    click("GLUnitCommand", 1);
    type(0, "青組");
    type(1, "pass");
    click("GLOutputExcute");
    EXPECT_TRUE(picOutput().Visible());
    EXPECT_TRUE(picOutput().Enabled());
    EXPECT_NE(told().find("ファイルを書き込めません"), std::string::npos) << told();
    EXPECT_FALSE(picSchool().Enabled());
    EXPECT_EQ(slots(), (std::vector<std::string>(kNames.begin(), kNames.begin() + 5)));

    apptest::fs::remove_all(folder.path / "青組1.kpu");
    click("GLOutputExcute");
    EXPECT_FALSE(picOutput().Visible());
    EXPECT_EQ(kpuFiles(), std::vector<std::string>{"青組1.kpu"});
}

} // namespace
