#include "tools/master/master_packer.h"

#include "platform/crypto/bas_enc.h"
#include "platform/masterdata/game_data_sections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const std::filesystem::path kFixtures = std::filesystem::path(QUORVEL_SOURCE_DIR) / "tests/fixtures/master";

std::vector<std::string> problemsOf(const std::string& fixture) {
    try {
        tools::BuildMasterText(kFixtures / fixture);
    } catch (const tools::MasterDataError& error) {
        return error.problems();
    }
    return {};
}

bool mentions(const std::vector<std::string>& problems, const std::string& where, const std::string& what) {
    return std::any_of(problems.begin(), problems.end(), [&](const std::string& problem) {
        return problem.starts_with(where) && problem.find(what) != std::string::npos;
    });
}

TEST(MasterPacker, JoinsRowsAndSectionsAsTheGameReadsThem) {
    const auto master = tools::BuildMasterText(kFixtures / "valid");
    // The byte-order mark, the blank line and the trailing line ends are gone.
    std::string expected = "アリス\r\nベアトリス";
    for (int section = 1; section < 32; ++section) {
        expected += ";";
        if (section == 9) expected += "シオドア,1,2,32\r\nマリオン,2,3,54";
        if (section == 31) expected += "クラッシュ,False,True,1,3,crash23";
    }
    EXPECT_EQ(master.text, expected);
    EXPECT_EQ(master.missing.size(), 29u);
    EXPECT_EQ(std::count(master.missing.begin(), master.missing.end(), 9), 0);
}

TEST(MasterPacker, TheGamesSourcesHoldEverySection) {
    const auto master = tools::BuildMasterText(std::filesystem::path(QUORVEL_SOURCE_DIR) / "content/master");
    EXPECT_TRUE(master.missing.empty());
}

TEST(MasterPacker, ArchiveDecryptsAndSplitsIntoTheSections) {
    const auto master = tools::BuildMasterText(kFixtures / "valid");
    const auto archive = tools::EncryptMasterText(master.text);
    ASSERT_GE(archive.size(), 2u);
    EXPECT_FALSE(archive[0] == 0xFF && archive[1] == 0xFE) << "no byte-order mark";
    const auto plain = basEnc::DecryptBytes(archive, basEnc::MakePassword(basEnc::kPasswordSeed),
                                            basEnc::CALG_MD5, basEnc::CALG_RC4);
    const auto sections = SplitGameData(plain);
    EXPECT_EQ(sections.section[0], "アリス\r\nベアトリス");
    EXPECT_EQ(sections.section[9], "ｼｵﾄﾞｱ,1,2,32\r\nﾏﾘｵﾝ,2,3,54");
    EXPECT_EQ(sections.section[31], "ｸﾗｯｼｭ,False,True,1,3,crash23");
    EXPECT_EQ(sections.section[30], "");
}

TEST(MasterPacker, RefusesRowsTheGameWouldReadOtherwise) {
    const auto problems = problemsOf("refused");
    struct Case {
        const char* where;
        const char* what;
    };
    const Case cases[] = {
        {"00-names.txt:2: field 1", "full-width \"，\" becomes a separator"},
        {"09-teachers.txt:1: field 1", "a name may not hold \":\""},
        {"09-teachers.txt:2: ", "\";\" separates sections"},
        {"09-teachers.txt:3: field 1", "a name may not be empty"},
        {"10-lessons.txt:1: field 1", "is loaded as \"Ｗａｌｋｉｎｇ\""},
        {"06-lines.txt:1: field 1", "must be half-width"},
        {"31-effects.txt:1: field 1", "is loaded as \"クラッシュ\""},
        {"31-effects.txt:1: field 6", "must be half-width, as \"sort\""},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(mentions(problems, c.where, c.what)) << c.where << " " << c.what;
    }
    // Fields that break no rule are not named.
    EXPECT_FALSE(mentions(problems, "00-names.txt:1:", ""));
    EXPECT_FALSE(mentions(problems, "10-lessons.txt:1: field 10", ""));
    EXPECT_FALSE(mentions(problems, "06-lines.txt:1: field 2", ""));
}

TEST(MasterPacker, RefusesSourcesItCannotPlace) {
    const auto problems = problemsOf("names");
    EXPECT_TRUE(mentions(problems, "5-skills.txt:", "section number 00 to 31"));
    EXPECT_TRUE(mentions(problems, "32-extra.txt:", "section number 00 to 31"));
    EXPECT_TRUE(mentions(problems, "09-b.txt:", "already comes from 09-a.txt"));
    EXPECT_TRUE(mentions(problems, "10-bad.txt:", "not UTF-8"));
}

TEST(MasterPacker, AMissingFolderIsRefused) {
    EXPECT_TRUE(
        mentions(problemsOf("no-such-folder"), (kFixtures / "no-such-folder").string(), "no such folder"));
}

} // namespace
