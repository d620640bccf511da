#include "tools/assets/archive_packer.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

std::vector<std::uint8_t> counting(std::size_t size, std::uint8_t from) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), from);
    return bytes;
}

std::string packError(const std::vector<tools::ArchiveRecord>& records, std::int32_t size) {
    try {
        tools::PackArchive(records, size);
    } catch (const tools::BudgetError& error) {
        return error.what();
    }
    return "";
}

TEST(ArchivePacker, PlacesScramblesAndPadsEachRecord) {
    // The second record's bytes 4..7 wrap past 255.
    const std::vector<tools::ArchiveRecord> records{{"a", 0, counting(10, 0)}, {"b", 16, counting(8, 250)}};
    const auto archive = tools::PackArchive(records, 30);
    ASSERT_EQ(archive.size(), 30u);
    const std::vector<std::uint8_t> expected{0, 1,   2,   3,   8,   10, 12, 14, 8, 9, 0, 0, 0, 0, 0,
                                             0, 250, 251, 252, 253, 2,  4,  6,  8, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(archive, expected);
}

TEST(ArchivePacker, RecordsThatDoNotFitAreRefusedByName) {
    struct Case {
        const char* what;
        std::vector<tools::ArchiveRecord> records;
        std::int32_t size;
        const char* message;
    };
    const Case cases[] = {
        {"runs into the next",
         {{"a", 0, counting(17, 0)}, {"b", 16, counting(8, 0)}},
         30,
         "record a has 17 bytes, its budget is 16"},
        {"runs past the end",
         {{"a", 0, counting(8, 0)}, {"b", 16, counting(15, 0)}},
         30,
         "record b has 15 bytes, its budget is 14"},
        {"too short to scramble", {{"a", 0, counting(7, 0)}}, 30, "record a is shorter than 8 bytes"},
        {"not at byte 0", {{"a", 2, counting(8, 0)}}, 30, "record a starts at 2, out of order"},
        {"out of order",
         {{"a", 0, counting(8, 0)}, {"b", 20, counting(8, 0)}, {"c", 10, counting(8, 0)}},
         40,
         "record c starts at 10, out of order"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(packError(c.records, c.size), c.message);
    }
}

TEST(ArchivePacker, RecordFillingItsBudgetExactlyFits) {
    const std::vector<tools::ArchiveRecord> records{{"a", 0, counting(16, 0)}, {"b", 16, counting(14, 0)}};
    EXPECT_EQ(tools::PackArchive(records, 30).size(), 30u);
}

} // namespace
