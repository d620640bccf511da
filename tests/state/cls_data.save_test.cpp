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
        // whole, so it saves back to what it loaded, and its next days pass.
        ++loaded;
        const SaveParts accepted = partsOf(running.data);
        ASSERT_TRUE(running.data.SaveSaveData(4));
        ASSERT_TRUE(running.data.LoadSaveData(4));
        ASSERT_EQ(partsOf(running.data), accepted) << "round " << round;
        daytest::DayGame player;
        ASSERT_TRUE(player.data().LoadSaveData(4)) << "round " << round;
        for (int day = 1; day <= 8; ++day)
            ASSERT_NO_THROW(player.data().DateForword(1)) << "round " << round << ", day " << day;
        ASSERT_TRUE(running.data.LoadSaveData(3));
        ASSERT_EQ(partsOf(running.data), runningParts);
        events.heard.clear();
    }
    EXPECT_GT(refused, 60);
    RecordProperty("refused", refused);
    RecordProperty("loaded", loaded);
}

// A name the catalogue lacks would load and then stop every day that needs
// it: the load is refused whole, naming the part and the name.
TEST_F(RefusedLoads, ANameTheCatalogueLacksIsRefusedNamingIt) {
    using host::runtime::Join;
    using host::runtime::Split;
    const auto sections = Split(partOf(goodParts, SavePart::Student), "/");
    const auto students = Split(sections[0], "\r\n");
    const std::string member = Split(students[0], "@")[0];
    const auto withSection = [&](std::size_t index, const std::string& text) {
        auto all = sections;
        all[index] = text;
        return Join(all, "/");
    };
    const auto withField = [](const std::string& slot, std::size_t field, const std::string& value) {
        auto fields = Split(slot, ";");
        fields[field] = value;
        return Join(fields, ";");
    };
    // The school timetable with its first slot's field changed.
    const auto schoolSlot = [&](std::size_t field, const std::string& value) {
        auto lines = Split(sections[3], "\r\n");
        lines[0] = withField(lines[0], field, value);
        return withSection(3, Join(lines, "\r\n"));
    };
    // The first student's own timetable with its first slot's field changed.
    const auto studentSlot = [&](std::size_t field, const std::string& value) {
        auto records = students;
        auto fields = Split(records[0], "@");
        auto slots = Split(fields[17], "\\");
        slots[0] = withField(slots[0], field, value);
        fields[17] = Join(slots, "\\");
        records[0] = Join(fields, "@");
        return withSection(0, Join(records, "\r\n"));
    };
    const auto savedTeam = [&](const std::string& team) {
        auto lines = Split(sections[2], "\r\n");
        lines[0] = team;
        return withSection(2, Join(lines, "\r\n"));
    };
    struct Case {
        const char* name;
        std::string student;
        const char* named;
    };
    const Case cases[] = {
        {.name = "a school lesson", .student = schoolSlot(2, "走るこみ"), .named = "授業「走るこみ」"},
        {.name = "a school class item",
         .student = schoolSlot(4, "幻の木刀"),
         .named = "アイテム「幻の木刀」"},
        {.name = "a student's lesson", .student = studentSlot(2, "走るこみ"), .named = "授業「走るこみ」"},
        {.name = "a saved team's formation",
         .student = savedTeam(member + ":::::幻の陣形::"),
         .named = "陣形「幻の陣形」"},
        {.name = "a saved team's item",
         .student = savedTeam(member + ":::::突破陣::幻の薬"),
         .named = "アイテム「幻の薬」"},
        {.name = "a quest team's quest",
         .student = withSection(4, member + ":::::突破陣:幻のクエスト:"),
         .named = "クエスト「幻のクエスト」"},
        {.name = "a quest team's formation",
         .student = withSection(4, member + ":::::幻の陣形:迷い猫探し:"),
         .named = "陣形「幻の陣形」"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaveParts parts = goodParts;
        partOf(parts, SavePart::Student) = c.student;
        ASSERT_EQ(writeSaveSlot(2, header, parts), "");
        EXPECT_TRUE(refusedWithTheGameUnchanged());
        EXPECT_NE(lastMessage().find("「生徒」"), std::string::npos) << lastMessage();
        EXPECT_NE(lastMessage().find(c.named), std::string::npos) << lastMessage();
    }
    // The same texts with known names load.
    SaveParts parts = goodParts;
    partOf(parts, SavePart::Student) = withSection(4, member + ":::::突破陣:迷い猫探し:");
    ASSERT_EQ(writeSaveSlot(2, header, parts), "");
    EXPECT_TRUE(running.data.LoadSaveData(2)) << lastMessage();
}

// A save that cannot be written is reported once, saying why.
TEST_F(SavedGames, AFailedSaveIsReportedOnceSayingWhy) {
    LoadedFacade game;
    game.data.TestPlay();
    std::filesystem::create_directories(slotFile(1) / "inside");
    EXPECT_FALSE(game.data.SaveSaveData(1));
    ASSERT_EQ(game.services->messages().size(), 1u);
    EXPECT_NE(game.services->messages()[0].text.find("同じ名前のフォルダがあります"), std::string::npos)
        << game.services->messages()[0].text;
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
