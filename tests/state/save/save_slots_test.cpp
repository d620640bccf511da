#include "host/runtime/global.h"
#include "host/sys/paths.h"
#include "host/text/units.h"
#include "platform/files/gfile.h"
#include "platform/services/silent_services.h"
#include "state/save/row_cells.h"
#include "state/save/save_file.h"
#include "state/save/save_slots.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kHeader = "2026/12/11 09:30:00\\25:4:1\\1500\\20\\3:7:12\\1:00\\";

SaveParts partsWith(const std::string& students) {
    return {"25:4:1:1500/1500", "s", "3:5:5:6", "c", "", "m:3", "t", "i", students};
}

class SaveSlots : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path slotFile(int index) const {
        return folder / "Save" / ("quorvel" + std::to_string(index) + ".sav");
    }
    std::vector<std::uint8_t> bytesOf(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t filesInSaveFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder / "Save"), {}));
    }

    fs::path folder =
        fs::temp_directory_path() / ("quorvel-save-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    host::runtime::ScopedInstall<fs::path> programFolder{host::sys::installedProgramFolder,
                                                         std::make_unique<fs::path>(folder)};
    ScopedSilentServices silent;
    host::runtime::ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};
};

} // namespace

TEST_F(SaveSlots, WithoutFilesEverySlotReadsNoData) {
    EXPECT_FALSE(anySaveSlot());
    const auto rows = saveSlotRows();
    ASSERT_EQ(rows.count(), 20);
    for (std::int16_t index = 1; index <= 20; ++index)
        EXPECT_EQ(cellsOf(rows.item(index)),
                  (std::vector<std::string>{"0", std::to_string(index), "No DATA", "", "", "", ""}));
}

TEST_F(SaveSlots, SaveMakesTheFolderAndLoadsBackTheNineParts) {
    std::vector<std::string> progress;
    file->StartProcess.subscribe(
        [&](std::int16_t& last) { progress.push_back("start " + std::to_string(last)); });
    const SaveParts parts = partsWith(std::string(1200, 's'));

    ASSERT_EQ(writeSaveSlot(3, kHeader, parts), "");
    const std::size_t bodyUnits = static_cast<std::size_t>(host::text::Len(joinSaveBody(parts)));
    EXPECT_EQ(fs::file_size(slotFile(3)), 150 + 2 * bodyUnits);
    EXPECT_EQ(progress, (std::vector<std::string>{"start 2"})); // 150 + 2 × 1242 bytes: chunks 0..2

    const auto read = readSaveSlot(3);
    ASSERT_TRUE(read.parts) << read.error;
    EXPECT_EQ(*read.parts, parts);

    EXPECT_TRUE(anySaveSlot());
    const std::vector<std::string> row{"0",  "3",        "2026/12/11 09:30:00", "25年04月01日", "1500",
                                       "20", "3時間07分"};
    EXPECT_EQ(cellsOf(saveSlotRows().item(3)), row);
    EXPECT_EQ(cellsOf(saveSlotRows().item(4))[2], "No DATA");
    EXPECT_EQ(cellsOf(saveSlotDetail(3)), row);
    EXPECT_TRUE(silent->messages().empty());
}

TEST_F(SaveSlots, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        const char* why;
    };
    const Case cases[] = {
        {.name = "a folder in the slot's place",
         .arrange = [&] { fs::create_directories(slotFile(6) / "inside"); },
         .why = "同じ名前のフォルダがあります"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        const std::string failed = writeSaveSlot(6, kHeader, partsWith("new"));
        EXPECT_NE(failed.find(c.why), std::string::npos) << failed;
        EXPECT_NE(failed.find("quorvel6.sav"), std::string::npos) << failed;
        EXPECT_TRUE(fs::is_directory(slotFile(6) / "inside"));
        EXPECT_TRUE(silent->messages().empty());
    }
}

// Past the process's file-size limit the save fails and says so; the
// program goes on (SIGXFSZ would end it) and the old save stays.
TEST_F(SaveSlots, ASaveBeyondTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
    ASSERT_EQ(writeSaveSlot(5, kHeader, partsWith("old")), "");
    const auto old = bytesOf(slotFile(5));

    const pid_t child = ::fork();
    if (child == 0) {
        rlimit small{};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 4000;
        ::setrlimit(RLIMIT_FSIZE, &small);
        const std::string failed = writeSaveSlot(5, kHeader, partsWith(std::string(5000, 'n')));
        ::_exit(failed.find("ファイルが大きすぎます") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << "the failure did not say why";
    EXPECT_EQ(bytesOf(slotFile(5)), old);
    EXPECT_EQ(filesInSaveFolder(), 1u);
}

TEST_F(SaveSlots, AFolderThatCannotBeMadeIsReported) {
    std::ofstream(folder / "Save") << "a file where the folder belongs";
    const std::string failed = writeSaveSlot(1, kHeader, partsWith("x"));
    EXPECT_NE(failed, "");
    EXPECT_NE(saveFailureMessage(1, failed).find("スロット1"), std::string::npos);
}

// A slot file above the cap is refused by its size before it is read.
TEST_F(SaveSlots, ASlotFileAboveTheCapIsRefusedUnread) {
    struct Case {
        const char* name;
        std::uintmax_t size;
        bool tooLarge;
    };
    const Case cases[] = {
        {.name = "at the cap", .size = kSaveFileCap, .tooLarge = false},
        {.name = "a byte above", .size = kSaveFileCap + 1, .tooLarge = true},
        {.name = "128 MB", .size = 128u << 20, .tooLarge = true},
    };
    fs::create_directories(folder / "Save");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(slotFile(2));
        std::ofstream(slotFile(2), std::ios::binary).close();
        fs::resize_file(slotFile(2), c.size);
        std::size_t started = 0;
        const auto token = File().StartProcess.subscribe([&](std::int16_t&) { ++started; });
        const auto read = readSaveSlot(2);
        File().StartProcess.unsubscribe(token);
        EXPECT_FALSE(read.parts);
        EXPECT_EQ(read.error.find("ファイルが大きすぎます") != std::string::npos, c.tooLarge) << read.error;
        EXPECT_EQ(started, c.tooLarge ? 0u : 1u);
    }
}

TEST_F(SaveSlots, ReadingADamagedSlotFailsWithAReason) {
    ASSERT_EQ(writeSaveSlot(1, kHeader, partsWith("students")), "");
    const auto good = bytesOf(slotFile(1));
    struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {.name = "header only", .bytes = {good.begin(), good.begin() + 150}},
        {.name = "cut by one byte", .bytes = {good.begin(), good.end() - 1}},
        {.name = "cut by one character", .bytes = {good.begin(), good.end() - 2}},
        {.name = "half the body", .bytes = {good.begin(), good.begin() + 150 + (good.size() - 150) / 2}},
        {.name = "shorter than a header", .bytes = {good.begin(), good.begin() + 40}},
    };
    for (const auto& c : cases) {
        std::ofstream(slotFile(2), std::ios::binary)
            .write(reinterpret_cast<const char*>(c.bytes.data()),
                   static_cast<std::streamsize>(c.bytes.size()));
        const auto read = readSaveSlot(2);
        EXPECT_FALSE(read.parts) << c.name;
        EXPECT_NE(read.error, "") << c.name;
    }
    const auto missing = readSaveSlot(9);
    EXPECT_FALSE(missing.parts);
    EXPECT_NE(missing.error, "");
    EXPECT_TRUE(silent->messages().empty());
}

// A save killed at any moment leaves the slot holding the old or the new
// save whole, and the next save clears what the killed one left.
TEST_F(SaveSlots, AKilledSaveLeavesTheOldOrTheNewFile) {
    const SaveParts oldParts = partsWith(std::string(100000, 'o'));
    const SaveParts newParts = partsWith(std::string(100000, 'n'));
    const auto oldImage = makeSaveImage(kHeader, joinSaveBody(oldParts));
    const auto newImage = makeSaveImage(kHeader, joinSaveBody(newParts));

    auto startSaving = [&] {
        pid_t child = ::fork();
        if (child == 0) ::_exit(writeSaveSlot(4, kHeader, newParts).empty() ? 0 : 1);
        return child;
    };
    // How long a whole save takes, from the fork to its end.
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(startSaving(), &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    double reach = static_cast<double>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
            .count());

    // Each kill falls at a random moment up to the reach; a kill that finds
    // the old file moves the reach later, one that finds the new file
    // earlier, so both sides of the rename are met however busy the machine.
    std::mt19937 moments(20261211);
    int oldSeen = 0;
    int newSeen = 0;
    for (int round = 0; round < 200 && (round < 20 || oldSeen == 0 || newSeen == 0); ++round) {
        ASSERT_EQ(writeSaveSlot(4, kHeader, oldParts), "");
        const auto delay = std::uniform_real_distribution<double>(0, reach)(moments);
        const pid_t child = startSaving();
        std::this_thread::sleep_for(std::chrono::microseconds(static_cast<std::int64_t>(delay)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const auto bytes = bytesOf(slotFile(4));
        const bool isOld = bytes == oldImage;
        const bool isNew = bytes == newImage;
        ASSERT_TRUE(isOld || isNew) << "round " << round << ", killed after " << delay
                                    << " us: " << bytes.size() << " bytes";
        oldSeen += isOld;
        newSeen += isNew;
        reach *= isOld ? 1.25 : 0.8;
    }
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);

    ASSERT_EQ(writeSaveSlot(4, kHeader, oldParts), "");
    EXPECT_EQ(filesInSaveFolder(), 1u);
    const auto read = readSaveSlot(4);
    ASSERT_TRUE(read.parts) << read.error;
    EXPECT_EQ(*read.parts, oldParts);
}
