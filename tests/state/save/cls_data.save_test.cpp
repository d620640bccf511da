#include "state/cls_data.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/utf.h"
#include "platform/crypto/bas_enc.h"
#include "platform/masterdata/game_data_sections.h"
#include "state/day/day_support.h"
#include "state/save/row_cells.h"
#include "state/save/save_file.h"
#include "state/save/save_slots.h"
#include "state/save/saved_game.h"
#include "students/newcomers/cls_create_student_data.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>

namespace {

using savetest::partsOf;
using savetest::SavedGames;
using statetest::LoadedFacade;

// What the main form hears of the facade.
struct HeardEvents {
    explicit HeardEvents(clsData& data) {
        data.DateChenge.subscribe([this](clsDateDetails&) { heard.push_back("DateChenge"); });
        data.Report.subscribe([this](std::string&) { heard.push_back("Report"); });
        data.NewYear.subscribe([this] { heard.push_back("NewYear"); });
        data.SchoolScaleUp.subscribe([this, &data](std::string& image) {
            heard.push_back("SchoolScaleUp " + image + " " + std::to_string(data.GetMoney()));
        });
        data.StatusRefresh.subscribe([this] { heard.push_back("StatusRefresh"); });
        data.Ending.subscribe([this] { heard.push_back("Ending"); });
        data.Ending2.subscribe([this] { heard.push_back("Ending2"); });
    }
    std::vector<std::string> heard;
};

std::string freeStudentName(clsData& data) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name = managers(data).system().GetName();
        if (managers(data).students().DoubleName(name)) return name;
    }
    throw std::runtime_error("no free student name");
}

// The start of a game with its first offers, through the managers' own
// commands: a scout under contract and three of its students admitted, a
// job, items, shares, a monster beaten, money and points.
void startAGame(clsData& data) {
    managers(data).scouts().ScoutDecide(managers(data).scouts().GetScoutData().item(1).Data(1));
    for (int i = 0; i < 3; ++i) {
        clsCreateStudentData newcomer;
        newcomer.Scout(managers(data).scouts().GetScout());
        const std::string name = freeStudentName(data);
        newcomer.StudentName(name);
        managers(data).students().CreateStudent(newcomer);
        managers(data).students().SetNewStudent(name);
    }
    managers(data).arbeits().SetContractArbeit(
        managers(data).arbeits().GetArbeitData(managers(data).system().GetMonth()).item(1).Data(1));
    managers(data).items().ItemAdd(managers(data).items().GetBattleItemName().item(1), 3);
    managers(data).companies().CompanyData(managers(data).companies().GetCompanyStockData().keyAt(1), 4,
                                           "10");
    managers(data).lines().MonsterWin(managers(data).lines().GetMonsterName().item(1));
    managers(data).system().AddMoney(123456);
    managers(data).system().AddKingdomPoint(789);
}

// A game started, then a month (28 days) of calendar and business cycle
// moved on by the managers themselves.
void playAMonth(clsData& data) {
    data.TestPlay();
    startAGame(data);
    for (int day = 0; day < 28; ++day) {
        managers(data).system().DateCount();
        managers(data).trade().BoomNext();
    }
}

} // namespace

TEST_F(SavedGames, AMonthOfManagerCommandsReloadsAndSavesToTheSameBytes) {
    LoadedFacade played;
    playAMonth(played.data);
    clock->advance(std::chrono::hours(3) + std::chrono::minutes(7) + std::chrono::seconds(12));
    ASSERT_TRUE(played.data.SaveSaveData(1));
    EXPECT_TRUE(played.data.CheckSaveData());
    const std::vector<std::string> row{
        "0",
        "1",
        host::runtime::FormatDateTime(host::sys::localNow(), "yyyy/mm/dd hh:mm:ss"),
        "25年05月01日",
        std::to_string(played.data.GetMoney()),
        "789",
        "3時間07分"};
    EXPECT_EQ(cellsOf(played.data.GetSaveData().item(1)), row);
    EXPECT_EQ(cellsOf(played.data.GetSaveDataDetail(1)), row);

    LoadedFacade reloaded;
    HeardEvents events(reloaded.data);
    ASSERT_TRUE(reloaded.data.LoadSaveData(1)) << reloaded.services->messages().back().text;
    EXPECT_EQ(partsOf(reloaded.data), partsOf(played.data));
    EXPECT_EQ(events.heard, (std::vector<std::string>{"SchoolScaleUp " +
                                                      managers(played.data).system().GetClassImageName() +
                                                      " " + std::to_string(played.data.GetMoney())}));
    ASSERT_TRUE(reloaded.data.SaveSaveData(2));
    EXPECT_EQ(bytesOf(slotFile(2)), bytesOf(slotFile(1)));
    EXPECT_TRUE(reloaded.services->messages().empty());
}

// The save of a month's play and a running new game that must stay as it is.
class RefusedLoads : public SavedGames {
  protected:
    void SetUp() override {
        playAMonth(played.data);
        ASSERT_TRUE(played.data.SaveSaveData(1));
        goodImage = bytesOf(slotFile(1));
        goodParts = partsOf(played.data);
        header = managers(played.data).system().GetSaveDataHeader();
        running.data.TestPlay();
        runningParts = partsOf(running.data);
    }

    // Loads slot 2; true when the load was refused and the running game is as it was.
    ::testing::AssertionResult refusedWithTheGameUnchanged() {
        const std::size_t messages = running.services->messages().size();
        if (running.data.LoadSaveData(2)) return ::testing::AssertionFailure() << "loaded";
        if (running.services->messages().size() != messages + 1)
            return ::testing::AssertionFailure() << "the player was not told";
        if (partsOf(running.data) != runningParts)
            return ::testing::AssertionFailure() << "the running game changed";
        if (!events.heard.empty())
            return ::testing::AssertionFailure() << "the main form heard " << events.heard[0];
        return ::testing::AssertionSuccess();
    }
    const std::string& lastMessage() { return running.services->messages().back().text; }

    LoadedFacade played;
    std::vector<std::uint8_t> goodImage;
    SaveParts goodParts;
    std::string header;
    LoadedFacade running;
    SaveParts runningParts;
    HeardEvents events{running.data};
};

TEST_F(RefusedLoads, ADamagedPartLeavesTheRunningGameAsItWas) {
    for (SavePart damaged : kSavePartOrder) {
        SaveParts parts = goodParts;
        partOf(parts, damaged) = "?";
        ASSERT_EQ(writeSaveSlot(2, header, parts), "");
        EXPECT_TRUE(refusedWithTheGameUnchanged()) << savePartLabel(damaged);
        EXPECT_NE(lastMessage().find("「" + std::string(savePartLabel(damaged)) + "」"), std::string::npos)
            << lastMessage();
    }
}

TEST_F(RefusedLoads, MissingEmptyAndCutFilesAreRefused) {
    EXPECT_TRUE(refusedWithTheGameUnchanged()) << "no file";
    std::filesystem::create_directories(folder / "Save");
    for (std::size_t length :
         {std::size_t{0}, std::size_t{150}, goodImage.size() - 2, goodImage.size() / 2}) {
        put(slotFile(2), {goodImage.begin(), goodImage.begin() + static_cast<std::ptrdiff_t>(length)});
        EXPECT_TRUE(refusedWithTheGameUnchanged()) << length << " bytes";
    }
}

// Many mutated saves: none crashes the loader, and each is either refused
// with the running game as it was or loaded whole.
TEST_F(RefusedLoads, FuzzedSavesAreRefusedOrLoadedWhole) {
    ASSERT_TRUE(running.data.SaveSaveData(3));
    std::mt19937 random(20261211);
    auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    auto reencrypted = [&](const SaveParts& parts) { return makeSaveImage(header, joinSaveBody(parts)); };

    const std::vector<std::function<std::vector<std::uint8_t>()>> mutations = {
        // Cut anywhere.
        [&] {
            return std::vector<std::uint8_t>(goodImage.begin(), goodImage.begin() + below(goodImage.size()));
        },
        // Bits flipped in the body.
        [&] {
            auto bytes = goodImage;
            for (std::size_t flips = 1 + below(8); flips > 0; --flips)
                bytes[150 + below(bytes.size() - 150)] ^= static_cast<std::uint8_t>(1u << below(8));
            return bytes;
        },
        // Two parts swapped.
        [&] {
            SaveParts parts = goodParts;
            std::swap(parts[below(parts.size())], parts[below(parts.size())]);
            return reencrypted(parts);
        },
        // A number made huge, or negative.
        [&] {
            SaveParts parts = goodParts;
            std::string& part = parts[below(parts.size())];
            const std::size_t at = part.find_first_of("0123456789", below(part.size() + 1));
            if (at != std::string::npos)
                part.replace(at, part.find_first_not_of("0123456789", at) - at,
                             below(2) ? "99999999999999999999" : "-2147483649");
            return reencrypted(parts);
        },
        // A separator of the managers' own texts added or lost.
        [&] {
            SaveParts parts = goodParts;
            std::string& part = parts[below(parts.size())];
            const char* separators[] = {"/", ":", ";", "@", "\\", "\r\n"};
            if (below(2) && !part.empty())
                part.erase(below(part.size()), 1);
            else
                part.insert(below(part.size() + 1), separators[below(std::size(separators))]);
            return reencrypted(parts);
        },
    };

    int refused = 0;
    int loaded = 0;
    for (int round = 0; round < 100; ++round) {
        put(slotFile(2), mutations[below(mutations.size())]());
        const std::size_t messages = running.services->messages().size();
        if (!running.data.LoadSaveData(2)) {
            ++refused;
            ASSERT_EQ(running.services->messages().size(), messages + 1) << "round " << round;
            ASSERT_EQ(partsOf(running.data), runningParts) << "round " << round;
            ASSERT_TRUE(events.heard.empty()) << "round " << round;
            continue;
        }
        // A mutation the managers accept is a game of its own: it loaded
        // whole, so it saves back to what it loaded.
        ++loaded;
        const SaveParts accepted = partsOf(running.data);
        ASSERT_TRUE(running.data.SaveSaveData(4));
        ASSERT_TRUE(running.data.LoadSaveData(4));
        ASSERT_EQ(partsOf(running.data), accepted) << "round " << round;
        ASSERT_TRUE(running.data.LoadSaveData(3));
        ASSERT_EQ(partsOf(running.data), runningParts);
        events.heard.clear();
    }
    EXPECT_GT(refused, 60);
    RecordProperty("refused", refused);
    RecordProperty("loaded", loaded);
}

// The master data on disk changed since start-up: the staged game takes an
// item the running game does not know, and the running game, which had taken
// the parts before the items, is put back.
TEST_F(RefusedLoads, APartTheRunningGameRefusesAfterStagingIsPutBack) {
    auto sections = host::runtime::Split(host::text::utf16leToUtf8(statetest::packedMasterData()), ";");
    sections[GameDataSection::Items] += "\r\n試験のきのこ,1,0,0,0,1,40,試験用のきのこ。";
    const auto changed =
        basEnc::EncryptBytes(host::text::utf8ToUtf16le(host::runtime::Join(sections, ";")),
                             basEnc::MakePassword(basEnc::kPasswordSeed), basEnc::CALG_MD5, basEnc::CALG_RC4);
    std::filesystem::remove(folder / "Data");
    std::filesystem::create_directory(folder / "Data");
    put(folder / "Data" / "Data.kpz", changed);

    SaveParts parts = goodParts;
    partOf(parts, SavePart::Item) = "試験のきのこ;1:0/1";
    ASSERT_EQ(writeSaveSlot(2, header, parts), "");
    EXPECT_TRUE(refusedWithTheGameUnchanged());
    EXPECT_NE(lastMessage().find("「アイテム」"), std::string::npos) << lastMessage();
}

TEST_F(SavedGames, AMonthOfDaysReloadsAndSavesToTheSameBytes) {
    daytest::DayGame played;
    startAGame(played.data());
    for (int day = 0; day < 28; ++day)
        played.data().DateForword(1);
    ASSERT_EQ(managers(played.data()).system().GetMonth(), 5);
    ASSERT_TRUE(played.data().SaveSaveData(1));

    daytest::DayGame reloaded;
    ASSERT_TRUE(reloaded.data().LoadSaveData(1)) << reloaded.services().messages().back().text;
    EXPECT_EQ(partsOf(reloaded.data()), partsOf(played.data()));
    ASSERT_TRUE(reloaded.data().SaveSaveData(2));
    EXPECT_EQ(bytesOf(slotFile(2)), bytesOf(slotFile(1)));
}
