#include "host/sys/clock.h"
#include "host/sys/paths.h"
#include "platform/files/cls_file.h"
#include "platform/files/delimited_items.h"
#include "platform/services/silent_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileService : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder / "Data");
        file.StartProcess.subscribe(
            [this](std::int16_t& max) { events.push_back("Start " + std::to_string(max)); });
        file.IOProcess.subscribe([this](std::int32_t& now, std::int32_t& max) {
            events.push_back("IO " + std::to_string(now) + "/" + std::to_string(max));
        });
    }
    void TearDown() override { fs::remove_all(folder); }

    void put(const std::string& name, const std::string& contents) {
        std::ofstream(folder / name, std::ios::binary) << contents;
    }
    std::string contents(const std::string& name) {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static clsFile::Bytes pattern(std::size_t n) {
        clsFile::Bytes bytes(n);
        for (std::size_t i = 0; i < n; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
        return bytes;
    }
    void putBytes(const std::string& name, const clsFile::Bytes& bytes) {
        put(name, std::string(bytes.begin(), bytes.end()));
    }

    ScopedSilentServices silent;
    clsFile file;
    fs::path folder =
        fs::temp_directory_path() / ("quorvel-file-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    host::runtime::ScopedInstall<fs::path> programFolder{host::sys::installedProgramFolder,
                                                         std::make_unique<fs::path>(folder)};
    std::vector<std::string> events;
};

} // namespace

TEST_F(FileService, ChunkedReadRaisesOneEventPerChunkAndKeepsTheLastByte) {
    struct {
        std::size_t fileSize;
        std::int32_t chunk, start;
        std::vector<std::string> events;
    } cases[] = {
        {20001, 10000, 0, {"Start 2", "IO 0/2", "IO 1/2", "IO 2/2"}},
        {10000, 10000, 0, {"Start 0", "IO 0/0"}},
        {10001, 10000, 0, {"Start 1", "IO 0/1", "IO 1/1"}},
        {150 + 999, 1000, 150, {"Start 0", "IO 0/0"}},
        {150 + 1000, 1000, 150, {"Start 0", "IO 0/0"}},
        {150 + 1001, 1000, 150, {"Start 1", "IO 0/1", "IO 1/1"}},
        {1, 1, 0, {"Start 0", "IO 0/0"}},
    };
    for (const auto& c : cases) {
        auto bytes = pattern(c.fileSize);
        putBytes("Data/archive.kpz", bytes);
        events.clear();
        auto read = file.APIReadFileBinary("\\Data\\archive.kpz", c.chunk, c.start, true);
        ASSERT_TRUE(read.has_value()) << c.fileSize;
        EXPECT_EQ(*read, clsFile::Bytes(bytes.begin() + c.start, bytes.end())) << c.fileSize;
        EXPECT_EQ(events, c.events) << c.fileSize;
    }
    events.clear();
    EXPECT_TRUE(file.APIReadFileBinary("\\Data\\archive.kpz", 1, 0, false).has_value());
    EXPECT_TRUE(events.empty());
}

TEST_F(FileService, ReadsThatCannotDeliverAnswerNothing) {
    put("empty.dat", "");
    put("header.dat", std::string(150, 'h'));
    EXPECT_FALSE(file.APIReadFileBinary("\\missing.dat", 1000, 150, true));
    EXPECT_FALSE(file.APIReadFileBinary("\\empty.dat", 1000, 0, true));
    EXPECT_FALSE(file.APIReadFileBinary("\\header.dat", 1000, 150, true)); // a header-only save
    EXPECT_FALSE(file.APIReadFileBinary("\\header.dat", 1000, -1, true));
    EXPECT_FALSE(file.FileReadBinary("\\missing.dat"));
    EXPECT_FALSE(file.FileReadBinary("\\empty.dat"));
    EXPECT_FALSE(file.APIReadFileBinaryASSize("\\missing.dat", 150));
    // A folder is no file, for every read.
    EXPECT_FALSE(file.APIReadFileBinary("\\Data", 1000, 0, true));
    EXPECT_FALSE(file.FileReadBinary("\\Data"));
    EXPECT_FALSE(file.APIReadFileBinaryASSize("\\Data", 150));
    EXPECT_TRUE(events.empty());
    // Only files that cannot be found or opened are announced, as the game did.
    ASSERT_EQ(silent->messages().size(), 4u);
    EXPECT_EQ(silent->messages()[0].text, "Error:ファイルを作れません");
}

TEST_F(FileService, HeaderReadIsZeroFilledPastTheEnd) {
    put("1.dat", "abc");
    auto header = file.APIReadFileBinaryASSize("\\1.dat", 5);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(*header, (clsFile::Bytes{'a', 'b', 'c', 0, 0}));
}

TEST_F(FileService, ChunkedWriteAnnouncesStartEvenWithoutEvents) {
    struct {
        std::size_t size;
        bool onEvent;
        std::vector<std::string> events;
    } cases[] = {
        {2000, false, {"Start 1"}},
        {2000, true, {"Start 1", "IO 0/1", "IO 1/1"}},
        {2001, true, {"Start 2", "IO 0/2", "IO 1/2", "IO 2/2"}},
        {999, true, {"Start 0", "IO 0/0"}},
        {0, false, {"Start 0"}},
    };
    for (const auto& c : cases) {
        auto bytes = pattern(c.size);
        events.clear();
        ASSERT_TRUE(file.APIWriteFileBinary("\\save.dat", bytes, 1000, c.onEvent)) << c.size;
        EXPECT_EQ(events, c.events) << c.size;
        EXPECT_EQ(contents("save.dat"), std::string(bytes.begin(), bytes.end())) << c.size;
        EXPECT_EQ(file.FileSize("\\save.dat"), static_cast<std::int32_t>(c.size));
    }
}

TEST_F(FileService, FailedWriteKeepsTheOldFile) {
    put("save.dat", "old save");
    EXPECT_FALSE(file.APIWriteFileBinary("\\NoFolder\\save.dat", pattern(10), 1000, false));
    // The caller tells the player, once, with the reason.
    EXPECT_TRUE(silent->messages().empty());
    EXPECT_EQ(file.WriteFailure(), "フォルダがありません: " + (folder / "NoFolder" / "save.dat").string());
    ASSERT_TRUE(file.APIWriteFileBinary("\\save2.dat", pattern(10), 1000, false));
    EXPECT_EQ(file.WriteFailure(), "");

    // A write that fails half-way (here: a folder stands where the file goes) changes nothing.
    fs::create_directories(folder / "slot");
    EXPECT_FALSE(file.FileWriteBinary("\\slot", pattern(10)));
    EXPECT_TRUE(fs::is_directory(folder / "slot"));
    EXPECT_EQ(contents("save.dat"), "old save");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4); // no temporaries
}

TEST_F(FileService, BinaryWriteReplacesALongerFile) {
    put("dump.bin", "0123456789");
    ASSERT_TRUE(file.FileWriteBinary("\\dump.bin", clsFile::Bytes{'a', 'b'}));
    EXPECT_EQ(contents("dump.bin"), "ab");
}

TEST_F(FileService, TextWriteAndRead) {
    struct {
        std::string data;
        std::string file;
    } writes[] = {
        {"line1\r\nline2", "line1\r\nline2\r\n"},
        {"line1\r\n", "line1\r\n\r\n"},
        {"", ""},
        {"日本語", "日本語\r\n"},
    };
    for (const auto& w : writes) {
        ASSERT_TRUE(file.FileWrite("\\dump.txt", w.data));
        EXPECT_EQ(contents("dump.txt"), w.file) << w.data;
    }

    put("items.txt", "a, b ,\"c, d\"\r\n\r\nlast");
    EXPECT_EQ(file.FileRead("\\items.txt"), "a\r\nb\r\nc, d\r\n\r\nlast\r\n");
    put("empty.txt", "");
    EXPECT_EQ(file.FileRead("\\empty.txt"), "");
    EXPECT_FALSE(file.FileRead("\\missing.txt"));
}

TEST(DelimitedItems, CommasLineEndsAndQuotes) {
    struct {
        const char* text;
        std::vector<std::string> items;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a,b\r\nc\r\n", {"a", "b", "c"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"\"x,y\" , z\n", {"x,y", "z"}},
        {"\r\n", {""}},
        {"1,2,3", {"1", "2", "3"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(delimitedItems(c.text), c.items) << c.text;
}

TEST_F(FileService, AppendWritesStampTextAndDashes) {
    using namespace std::chrono;
    auto stamp = sys_days{year{2024} / 4 / 1} + hours{9} + minutes{5} + seconds{7};
    // The stamp is local time; pin the zone so the expected text is fixed.
    const char* tz = std::getenv("TZ");
    std::string savedTz = tz ? tz : "";
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    host::runtime::ScopedInstall clock(host::sys::installedWallClock,
                                       std::make_unique<host::sys::ManualWallClock>(stamp));

    ASSERT_TRUE(file.FileWriteAppend("\\error.log", "first", true, true));
    ASSERT_TRUE(file.FileWriteAppend("\\error.log", "second", false, false));
    EXPECT_EQ(contents("error.log"),
              "2024/04/01 09:05:07\r\nfirst\r\n" + std::string(39, '-') + "\r\nsecond\r\n");

    if (tz) {
        ::setenv("TZ", savedTz.c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
}

TEST_F(FileService, ExistenceSizeDeleteAndTimes) {
    put("a.dat", "12345");
    fs::create_directories(folder / "folder");
    EXPECT_TRUE(file.IsFile("\\a.dat"));
    EXPECT_FALSE(file.IsFile("\\folder"));
    EXPECT_FALSE(file.IsFile("\\b.dat"));
    EXPECT_EQ(file.FileSize("\\a.dat"), 5);
    EXPECT_EQ(file.FileSize("\\b.dat"), -1);

    std::string time = "unchanged";
    EXPECT_FALSE(file.GetTime("\\b.dat", 3, time));
    EXPECT_EQ(time, "unchanged");
    EXPECT_TRUE(file.GetTime("\\a.dat", 9, time));
    EXPECT_EQ(time, "1601/1/1 0:0:0");
    for (std::int32_t kind : {1, 2, 3}) {
        ASSERT_TRUE(file.GetTime("\\a.dat", kind, time));
        EXPECT_THAT(time, ::testing::MatchesRegex(
                              "[0-9]{4}/[1-9][0-9]?/[1-9][0-9]? [0-9]{1,2}:[0-9]{1,2}:[0-9]{1,2}"));
    }

    EXPECT_TRUE(file.FileDelete("\\a.dat"));
    EXPECT_FALSE(file.IsFile("\\a.dat"));
    EXPECT_TRUE(file.FileDelete("\\a.dat")); // nothing left to delete
}
