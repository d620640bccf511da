#include "host/sys/paths.h"
#include "host/text/utf.h"
#include "platform/crypto/bas_enc.h"
#include "platform/files/gfile.h"
#include "platform/masterdata/game_data_sections.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/services/silent_services.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {

std::string sectionsText(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ";";
        // Appended, not "s" + a temporary: GCC 12 at -O3 reports a false overlap (-Wrestrict).
        text += 's';
        text += std::to_string(i);
    }
    return text;
}

GameDataSections split(const std::string& utf8) {
    return SplitGameData(host::text::utf8ToUtf16le(utf8));
}

} // namespace

TEST(GameDataSplit, ThirtyTwoSectionsNarrowedWithNamesWidened) {
    std::string text = "タロウ\r\nＡｂｃ;１,ガ;2;3";
    for (int i = 4; i < 32; ++i)
        text += ";Ｓｅｃ" + std::to_string(i) + ",ｶﾞｸ";
    text += ";extra;more";
    auto sections = split(text);
    EXPECT_EQ(sections.section[0], "タロウ\r\nＡｂｃ");
    EXPECT_EQ(sections.section[1], "1,ｶﾞ");
    EXPECT_EQ(sections.compatibilityTables(), "1,ｶﾞ;2;3");
    EXPECT_EQ(sections.section[4], "Sec4,ｶﾞｸ");
    EXPECT_EQ(sections.section[31], "Sec31,ｶﾞｸ");
}

TEST(GameDataSplit, SeparatorsMadeByNarrowingCountAndTooFewSectionsFail) {
    // A full-width "；" becomes a separator: 31 real ones plus it make 33 parts.
    auto sections = split(sectionsText(31) + "；x");
    EXPECT_EQ(sections.section[30], "s30");
    EXPECT_EQ(sections.section[31], "x");

    for (int count : {0, 1, 31}) {
        std::string text = count == 0 ? "" : sectionsText(count);
        EXPECT_EQ(testsupport::errorOf([&] { split(text); }), host::runtime::ErrorNumber::SubscriptOutOfRange)
            << count;
    }
    EXPECT_EQ(split(sectionsText(32)).section[31], "s31");
}

namespace {

class Receiver : public mdlQuorvel::GameDataReceiver {
  public:
    void SetGameData(const std::vector<std::uint8_t>& arrByt) override {
        ++calls;
        received = arrByt;
    }
    int calls = 0;
    std::vector<std::uint8_t> received;
};

class LoadGameDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Data");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    void writeArchive(const std::vector<std::uint8_t>& bytes) {
        std::ofstream(folder / "Data/Data.kpz", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    ScopedSilentServices silent;
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorvel-gamedata-" + std::to_string(::getpid()));
    host::runtime::ScopedInstall<std::filesystem::path> programFolder{
        host::sys::installedProgramFolder, std::make_unique<std::filesystem::path>(folder)};
    host::runtime::ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};
};

} // namespace

TEST_F(LoadGameDataTest, DecryptsTheArchiveForTheReceiver) {
    auto plain = host::text::utf8ToUtf16le(sectionsText(32));
    auto password = basEnc::MakePassword(basEnc::kPasswordSeed);
    writeArchive(basEnc::EncryptBytes(plain, password, basEnc::CALG_MD5, basEnc::CALG_RC4));
    Receiver receiver;
    mdlQuorvel::LoadGameData(receiver);
    EXPECT_EQ(receiver.calls, 1);
    EXPECT_EQ(receiver.received, plain);
    EXPECT_EQ(SplitGameData(receiver.received).section[31], "s31");
}

namespace {

// The message names the file, for the player to see at start-up.
std::string loadError(mdlQuorvel::GameDataReceiver& receiver) {
    try {
        mdlQuorvel::LoadGameData(receiver);
    } catch (const mdlQuorvel::GameDataFileError& error) {
        return error.what();
    }
    return "loaded";
}

} // namespace

TEST_F(LoadGameDataTest, MissingOrEmptyArchiveFailsNamingTheFileAndHandsNothingOn) {
    Receiver receiver;
    const std::string file = (folder / "Data/Data.kpz").string();
    EXPECT_EQ(loadError(receiver), file + ": the master data is missing");
    writeArchive({});
    EXPECT_EQ(loadError(receiver), file + ": the master data is missing");
    EXPECT_EQ(receiver.calls, 0);
}

TEST_F(LoadGameDataTest, ArchiveTheReceiverRefusesFailsNamingTheFileAndTheReason) {
    class Refusing : public mdlQuorvel::GameDataReceiver {
      public:
        void SetGameData(const std::vector<std::uint8_t>& arrByt) override { SplitGameData(arrByt); }
    } refusing;
    // A cut archive decrypts to the first sections only.
    auto plain = host::text::utf8ToUtf16le(sectionsText(12));
    writeArchive(basEnc::EncryptBytes(plain, basEnc::MakePassword(basEnc::kPasswordSeed), basEnc::CALG_MD5,
                                      basEnc::CALG_RC4));
    const std::string message = loadError(refusing);
    EXPECT_TRUE(message.starts_with((folder / "Data/Data.kpz").string() + ": the master data is damaged ("))
        << message;
    EXPECT_NE(message.find("section 12 is missing"), std::string::npos) << message;
}
