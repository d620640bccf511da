#include "state/save/row_cells.h"
#include "state/save/save_slot_row.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The header area as read: the text, then zero characters up to 75.
std::string headerArea(std::string text) {
    text.resize(75, '\0');
    return text;
}

const std::string kGoodHeader = headerArea("2026/12/11 09:30:00\\25:4:1\\1500\\20\\3:7:12\\1:00\\");

} // namespace

TEST(SaveSlotFormat, KingdomDateAndPlayTime) {
    struct {
        const char* text;
        const char* date;
        const char* playTime;
    } cases[] = {
        {.text = "25:4:1", .date = "25年04月01日", .playTime = "25時間04分"},
        {.text = "1234:12:28", .date = "1234年12月28日", .playTime = "1234時間12分"},
        {.text = "0:0:5", .date = "0年00月05日", .playTime = "0時間00分"},
        {.text = "3:7:12", .date = "3年07月12日", .playTime = "3時間07分"},
        // A foreign header is shown as it is, never a failure.
        {.text = "x:y", .date = "x年y月日", .playTime = "x時間y分"},
        {.text = "", .date = "年月日", .playTime = "時間分"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSaveDate(c.text), c.date) << c.text;
        EXPECT_EQ(FormatPlayTime(c.text), c.playTime) << c.text;
    }
}

TEST(SaveSlotRow, GoodMissingAndDamagedHeaders) {
    struct {
        const char* name;
        std::string header;
        std::vector<std::string> cells;
    } cases[] = {
        {.name = "good",
         .header = kGoodHeader,
         .cells = {"0", "7", "2026/12/11 09:30:00", "25年04月01日", "1500", "20", "3時間07分"}},
        {.name = "zero bytes",
         .header = headerArea(""),
         .cells = {"0", "7", "No DATA", "File Failed", "0", "", ""}},
        {.name = "three separators",
         .header = "2026/12/11\\25:4:1\\1500\\",
         .cells = {"0", "7", "No DATA", "File Failed", "3", "", ""}},
        {.name = "a separator too many",
         .header = "a\\" + kGoodHeader,
         .cells = {"0", "7", "No DATA", "File Failed", "7", "", ""}},
        {.name = "unreadable", .header = "", .cells = {"0", "7", "No DATA", "File Failed", "0", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellsOf(saveSlotRow(7, c.header)), c.cells) << c.name;

    EXPECT_EQ(cellsOf(missingSlotRow(12)), (std::vector<std::string>{"0", "12", "No DATA", "", "", "", ""}));
}

TEST(SaveSlotRow, DetailSkipsTheCountCheck) {
    EXPECT_EQ(cellsOf(saveSlotDetailRow(2, kGoodHeader)),
              (std::vector<std::string>{"0", "2", "2026/12/11 09:30:00", "25年04月01日", "1500", "20",
                                        "3時間07分"}));
    EXPECT_EQ(cellsOf(saveSlotDetailRow(2, "t\\25:4:1\\")),
              (std::vector<std::string>{"0", "2", "t", "25年04月01日", "", "", "時間分"}));
}
