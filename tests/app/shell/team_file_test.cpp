#include "app/shell/team_file.h"

#include "program_folder.h"

#include "platform/crypto/bas_enc.h"
#include "platform/files/gfile.h"

#include "host/text/utf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class TeamFileTest : public testing::Test {
  protected:
    bool exists(const std::string& file) const { return apptest::fs::exists(folder.path / file); }

    apptest::ProgramFolder folder;
    host::runtime::ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};
};

TEST(TeamFile, NamesThatCannotNameAFileInTheFolderAreRefused) {
    struct Case {
        const char* name;
        const char* typed;
        bool refused;
    };
    const Case cases[] = {
        {.name = "plain", .typed = "ミルトナ", .refused = false},
        {.name = "empty (OK stays off without a word)", .typed = "", .refused = false},
        {.name = "dots alone stay in the folder", .typed = "..", .refused = false},
        {.name = "inner spaces", .typed = "青 組", .refused = false},
        {.name = "slash", .typed = "../team", .refused = true},
        {.name = "backslash", .typed = "a\\b", .refused = true},
        {.name = "tab", .typed = "a\tb", .refused = true},
        {.name = "line break", .typed = "a\nb", .refused = true},
        {.name = "delete", .typed = "a\x7f", .refused = true},
        {.name = "spaces only", .typed = "   ", .refused = true},
        {.name = "ideographic spaces only", .typed = "\u3000\u3000", .refused = true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!team_file::nameRefusal(c.typed).empty(), c.refused) << c.name;
}

TEST(TeamFile, APasswordCP932CannotHoldIsRefusedNamingTheCharacter) {
    EXPECT_EQ(team_file::passwordRefusal("abc123"), "");
    EXPECT_EQ(team_file::passwordRefusal("大会パス"), "");
    const std::string refusal = team_file::passwordRefusal("pass😀");
    EXPECT_NE(refusal.find("😀"), std::string::npos) << refusal;
}

TEST(TeamFile, TheFileHoldsTheNameAreaAndTheBodyEncryptedUnderThePassword) {
    const std::string body = team_file::body("突破陣", "", "10/20/30", "25:4:1:1000/0/1:2:3/1:0:0");
    EXPECT_EQ(body, "突破陣,,10/20/30,25:4:1:1000/0/1:2:3/1:0:0,Ending");

    const Bytes image = team_file::image("青組", body, "大会パス");
    const Bytes bodyBytes = host::text::utf8ToUtf16le(body);
    ASSERT_EQ(image.size(), 20 + bodyBytes.size());
    const Bytes nameBytes = host::text::utf8ToUtf16le("青組");
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 4), nameBytes);
    EXPECT_EQ(Bytes(image.begin() + 4, image.begin() + 20), Bytes(16, 0));

    const Bytes cipher(image.begin() + 20, image.end());
    EXPECT_NE(cipher, bodyBytes);
    EXPECT_EQ(basEnc::DecryptBytes(cipher, "大会パス", basEnc::CALG_MD5, basEnc::CALG_RC4), bodyBytes);
    EXPECT_NE(basEnc::DecryptBytes(cipher, "大会パ", basEnc::CALG_MD5, basEnc::CALG_RC4), bodyBytes);
}

TEST(TeamFile, ATenCharacterNameFillsTheNameArea) {
    const Bytes image = team_file::image("一二三四五六七八九十", "x", "p");
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 20), host::text::utf8ToUtf16le("一二三四五六七八九十"));
}

TEST_F(TeamFileTest, TheFirstFreeNumberIsTakenAndTheOthersStay) {
    folder.write("青組1.kpu", "one");
    folder.write("青組3.kpu", "three");
    EXPECT_EQ(team_file::write("青組", {1, 2, 3}), "");
    EXPECT_EQ(folder.read("青組2.kpu"), "\x01\x02\x03");
    EXPECT_EQ(folder.read("青組1.kpu"), "one");
    EXPECT_EQ(folder.read("青組3.kpu"), "three");
    EXPECT_EQ(team_file::write("青組", {4}), "");
    EXPECT_EQ(folder.read("青組4.kpu"), "\x04");
}

TEST_F(TeamFileTest, WhenEveryNumberIsTakenTheLastIsReplaced) {
    for (int n = 1; n <= team_file::kLastNumber; ++n)
        folder.write("t" + std::to_string(n) + ".kpu", "old");
    EXPECT_EQ(team_file::write("t", {7}), "");
    EXPECT_EQ(folder.read("t1000.kpu"), "\x07");
    EXPECT_EQ(folder.read("t999.kpu"), "old");
}

TEST_F(TeamFileTest, AFailedWriteSaysWhyAndLeavesNoFile) {
    apptest::fs::create_directories(folder.path / "青組1.kpu" / "inside");
    const std::string failed = team_file::write("青組", {1});
    EXPECT_NE(failed, "");
    EXPECT_NE(failed.find("ファイルを書き込めません"), std::string::npos) << failed;
    EXPECT_FALSE(exists("青組2.kpu"));
}

} // namespace
