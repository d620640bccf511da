#include "host/sys/paths.h"
#include "platform/settings/c_ini_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;
using host::runtime::Variant;

namespace {

class IniFile : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    void put(const std::string& text) { std::ofstream(folder / "quorvel.ini", std::ios::binary) << text; }
    std::string file() {
        std::ifstream in(folder / "quorvel.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::vector<std::string> list(const host::runtime::Collection<std::string>& c) {
        std::vector<std::string> out;
        for (const auto& s : c)
            out.push_back(s);
        return out;
    }

    fs::path folder =
        fs::temp_directory_path() / ("quorvel-ini-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    host::runtime::ScopedInstall<fs::path> programFolder{host::sys::installedProgramFolder,
                                                         std::make_unique<fs::path>(folder)};
    CIniFile ini;
};

} // namespace

TEST_F(IniFile, KeysIgnoreCaseButKeepTheirSpelling) {
    put("[Setting]\r\nTop=120\r\nBGMVolume=50\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    ini.NowSection("setting");
    EXPECT_EQ(ini.NowSection(), "Setting");
    EXPECT_TRUE(ini.IsExist());
    for (const char* key : {"top", "Top", "TOP"}) {
        EXPECT_EQ(ini.Data(key), "120") << key;
        EXPECT_TRUE(ini.IsData(key)) << key;
    }
    EXPECT_EQ(list(ini.Keys()), (std::vector<std::string>{"Top", "BGMVolume"}));
    EXPECT_TRUE(ini.IsSection("SETTING"));
    EXPECT_FALSE(ini.IsSection("Battle"));
    EXPECT_EQ(ini.Data("missing"), "");
}

TEST_F(IniFile, ReplacedKeyMovesToTheEndWhenSaved) {
    put("[Setting]\r\nTop=120\r\nBGMVolume=50\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    ini.NowSection("Setting");
    ini.Data("top", "130");
    EXPECT_EQ(list(ini.Keys()), (std::vector<std::string>{"BGMVolume", "top"}));
    ASSERT_TRUE(ini.Save(""));
    EXPECT_EQ(file(), "[Setting]\r\nBGMVolume=50\r\ntop=130\r\n");
}

TEST_F(IniFile, MissingSectionIsCreatedAndSaved) {
    EXPECT_FALSE(ini.Load("\\quorvel.ini")); // no file: no sections
    ini.NowSection("Setting");
    EXPECT_FALSE(ini.IsExist());
    EXPECT_TRUE(ini.IsSection("Setting"));
    EXPECT_TRUE(ini.Keys().empty());
    ini.Data("SEVolume", "50");
    ini.Data("BGMVolume", "40");
    ASSERT_TRUE(ini.Save(""));
    EXPECT_TRUE(ini.IsExist());
    EXPECT_EQ(file(), "[Setting]\r\nSEVolume=50\r\nBGMVolume=40\r\n");

    CIniFile again;
    ASSERT_TRUE(again.Load("\\quorvel.ini"));
    again.NowSection("Setting");
    EXPECT_EQ(again.Data("bgmvolume"), "40");
}

TEST_F(IniFile, SavingOneSectionKeepsTheRestOfTheFile) {
    put("; written by hand\r\n[Battle]\r\nSpeed=2\r\n[Setting]\r\nTop=1\r\n[Other]\r\nx=y\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    ini.NowSection("Setting");
    ini.Data("Top", "5");
    ASSERT_TRUE(ini.Save("Setting"));
    EXPECT_EQ(file(), "; written by hand\r\n[Battle]\r\nSpeed=2\r\n[Setting]\r\nTop=5\r\n[Other]\r\nx=y\r\n");
    EXPECT_EQ(ini.NowSection(), "Setting");
}

TEST_F(IniFile, DuplicateSectionsAreMerged) {
    put("[Setting]\nTop=1\nLeft=2\n[SETTING]\ntop=3\nWidth=4\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    EXPECT_EQ(list(ini.Sections()), std::vector<std::string>{"Setting"});
    ini.NowSection("Setting");
    EXPECT_EQ(ini.Data("Top"), "3");
    EXPECT_EQ(list(ini.Keys()), (std::vector<std::string>{"Left", "top", "Width"}));
    ASSERT_TRUE(ini.Save(""));
    EXPECT_EQ(file(), "[Setting]\r\nLeft=2\r\ntop=3\r\nWidth=4\r\n");
}

TEST_F(IniFile, LinesWithoutEqualsAreReadButNotListedOrWritten) {
    put("[Setting]\r\n  Note  \r\nA = 1 \r\n\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    ini.NowSection("Setting");
    EXPECT_EQ(ini.Data("note"), "Note");
    EXPECT_EQ(ini.Data("a"), "1");
    EXPECT_EQ(list(ini.Keys()), std::vector<std::string>{"A"});
    ASSERT_TRUE(ini.Save("Setting"));
    EXPECT_EQ(file(), "[Setting]\r\nA=1\r\n");
}

TEST_F(IniFile, SelectingTheSameSectionAgainKeepsKeys) {
    put("[Setting]\r\nA=1\r\nB=2\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    ini.NowSection("Setting");
    ini.DeleteData("A");
    ini.DeleteData("nothing");
    EXPECT_EQ(list(ini.Keys()), std::vector<std::string>{"B"});
    ini.NowSection("Setting");
    EXPECT_EQ(list(ini.Keys()), std::vector<std::string>{"B"});
    ini.Clear();
    EXPECT_TRUE(ini.Keys().empty());
    EXPECT_FALSE(ini.IsData("B"));
}

TEST_F(IniFile, TypedReadsFallBackOnBadText) {
    put("[Setting]\r\nWord=abc\r\nBig=70000\r\nHalf=2.5\r\nFlag=True\r\nBlank=   \r\nNum=0\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    ini.NowSection("Setting");
    struct {
        const char* key;
        std::int32_t type;
        Variant fallback;
        Variant expected;
    } cases[] = {
        {"Word", 1, Variant(std::int32_t{0}), Variant(std::int32_t{0})},
        {"Big", 1, Variant(std::int32_t{0}), Variant(std::int32_t{70000})},
        {"Half", 1, Variant(std::int32_t{0}), Variant(std::int32_t{2})}, // ties to even
        {"Half", 2, Variant(0.0f), Variant(2.5f)},
        {"Word", 2, Variant(1.5f), Variant(1.5f)},
        {"Flag", 3, Variant(false), Variant(true)},
        {"Num", 3, Variant(true), Variant(false)},
        {"Word", 3, Variant(true), Variant(true)},
        {"Blank", 0, Variant("default"), Variant("default")},
        {"Word", 0, Variant("default"), Variant("abc")},
        {"Missing", 1, Variant(std::int32_t{50}), Variant(std::int32_t{50})},
        {"Word", 7, Variant("unused"), Variant("abc")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.InitData(c.key, c.type, c.fallback), c.expected) << c.key << " type " << c.type;

    EXPECT_TRUE(CIniFile::IsInt("32767"));
    EXPECT_FALSE(CIniFile::IsInt("32768"));
    EXPECT_TRUE(CIniFile::IsLng("32768"));
    EXPECT_FALSE(CIniFile::IsLng("2147483648"));
    EXPECT_TRUE(CIniFile::IsSng("1.5"));
    EXPECT_FALSE(CIniFile::IsSng("1,5"));
    EXPECT_TRUE(CIniFile::IsBool("false"));
    EXPECT_FALSE(CIniFile::IsBool("yes"));
}

TEST_F(IniFile, FailedSaveAnswersFalse) {
    ASSERT_FALSE(ini.Load("\\NoFolder\\quorvel.ini"));
    ini.NowSection("Setting");
    ini.Data("Top", "1");
    EXPECT_FALSE(ini.Save(""));
    EXPECT_FALSE(ini.IsExist());
}

TEST_F(IniFile, BadLinesAreSkippedAndBadValuesFallBack) {
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> keys;
        std::int32_t volume;
        std::string saved;
    } cases[] = {
        {.name = "nothing before \"=\"",
         .text = "[Setting]\r\n=80\r\n  = 3\r\nBGMVolume=70\r\n",
         .keys = {"BGMVolume"},
         .volume = 70,
         .saved = "[Setting]\r\nBGMVolume=70\r\n"},
        {.name = "keys that differ after a NUL",
         .text = "[Setting]\r\na\0b=1\r\na\0c=2\r\nBGMVolume=60\r\n"s,
         .keys = {"a\0b"s, "a\0c"s, "BGMVolume"},
         .volume = 60,
         .saved = "[Setting]\r\na\0b=1\r\na\0c=2\r\nBGMVolume=60\r\n"s},
        {.name = "a NUL ending a key",
         .text = "[Setting]\r\nBGMVolume\0=80\r\n"s,
         .keys = {"BGMVolume\0"s},
         .volume = 50,
         .saved = "[Setting]\r\nBGMVolume\0=80\r\n"s},
        {.name = "a NUL inside a value",
         .text = "[Setting]\r\nBGMVolume=8\0"
                 "0\r\n"s,
         .keys = {"BGMVolume"},
         .volume = 50,
         .saved = "[Setting]\r\nBGMVolume=8\0"
                  "0\r\n"s},
        {.name = "a line without \"=\" and a NUL",
         .text = "[Setting]\r\nBGM\0Volume\r\nBGMVolume=40\r\n"s,
         .keys = {"BGMVolume"},
         .volume = 40,
         .saved = "[Setting]\r\nBGMVolume=40\r\n"},
    };
    for (const auto& c : cases) {
        put(c.text);
        CIniFile model;
        ASSERT_TRUE(model.Load("\\quorvel.ini")) << c.name;
        model.NowSection("Setting");
        EXPECT_EQ(list(model.Keys()), c.keys) << c.name;
        EXPECT_EQ(model.InitData("bgmvolume", 1, Variant(std::int32_t{50})), Variant(c.volume)) << c.name;
        ASSERT_TRUE(model.Save("")) << c.name;
        EXPECT_EQ(file(), c.saved) << c.name;
    }
}

TEST_F(IniFile, EveryLoadStartsAfresh) {
    put("[Setting]\r\nTop=1\r\nOld=2\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    ini.NowSection("Setting");
    EXPECT_TRUE(ini.IsExist());

    put("[Setting]\r\nTop=5\r\nNew=6\r\n");
    ASSERT_TRUE(ini.Load("\\quorvel.ini"));
    EXPECT_EQ(ini.NowSection(), "");
    EXPECT_TRUE(ini.Keys().empty());
    EXPECT_FALSE(ini.IsExist());
    ASSERT_TRUE(ini.Save("Setting"));
    EXPECT_EQ(file(), "[Setting]\r\nTop=5\r\nNew=6\r\n");
    EXPECT_EQ(list(ini.Keys()), (std::vector<std::string>{"Top", "New"}));
}

// A file far larger than the game writes is not read at all: it loads as no
// section, and saving puts the game's own settings in its place.
TEST_F(IniFile, AFileAboveTheCapIsNotReadAndSavingReplacesIt) {
    const std::string head = "[Setting]\r\nTop=7\r\n";
    struct Case {
        const char* name;
        std::uintmax_t size;
        bool loads;
    };
    const Case cases[] = {
        {.name = "at the cap", .size = CIniFile::kFileCap, .loads = true},
        {.name = "a byte above", .size = CIniFile::kFileCap + 1, .loads = false},
        {.name = "32 MB of line ends", .size = 32u << 20, .loads = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        put(head + std::string(c.size - head.size(), '\n'));
        EXPECT_EQ(ini.Load("\\quorvel.ini"), c.loads);
        EXPECT_EQ(ini.IsSection("Setting"), c.loads);
        if (c.loads) continue;
        ini.NowSection("Setting");
        ini.Data("Top", "3");
        ASSERT_TRUE(ini.Save("Setting"));
        EXPECT_EQ(file(), "[Setting]\r\nTop=3\r\n");
    }
}
