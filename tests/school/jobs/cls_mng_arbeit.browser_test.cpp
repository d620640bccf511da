#include "school/jobs/cls_mng_arbeit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A job trains evenly: each of its abilities (bits 1 and 3 of 5) is "○", the rest "×".
TEST(JobBrowser, EachRowShowsTheJobAndMarksTheAbilitiesItTrains) {
    clsMngArbeit jobs;
    jobs.SetArbeit("田植え,10,4,6,800,2,5,4,古い鍬,,田に苗を植える");
    const auto header = jobs.GetGameDataHeader();
    ASSERT_EQ(header.count(), 24);
    EXPECT_EQ(header.item(2).Data(0), "体力");
    EXPECT_EQ(header.item(2).Data(1), "400");
    EXPECT_EQ(header.item(8).Data(0), "体力");
    EXPECT_EQ(header.item(8).Data(1), "300");

    const auto rows = jobs.GetGameData();
    ASSERT_EQ(rows.count(), 1);
    std::vector<std::string> expected = {"田植え", "10", "4", "6", "800", "2", "古い鍬", "○", "×", "○"};
    expected.resize(24, "×");
    std::vector<std::string> cells;
    for (std::int16_t i = 0; i <= rows.item(1).Cols(); ++i)
        cells.push_back(rows.item(1).Data(i));
    EXPECT_EQ(cells, expected);
}

} // namespace
