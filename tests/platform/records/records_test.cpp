#include "host/runtime/runtime_error.h"
#include "platform/records/cls_app_info.h"
#include "platform/records/cls_font.h"
#include "platform/records/cls_get_grid_data.h"
#include "platform/records/cls_time.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

TEST(GridRow, CellsOutsideTheRowReadEmptyAndIgnoreWrites) {
    clsGetGridData row;
    EXPECT_EQ(row.Data(0), ""); // never sized: no cells
    row.Data(0, "x");
    EXPECT_EQ(row.Data(0), "");

    row.SetCols(3);
    EXPECT_EQ(row.Cols(), 3);
    row.Data(3, "last");
    row.Data(4, "beyond");
    row.Data(-1, "before");
    EXPECT_EQ(row.Data(3), "last");
    EXPECT_EQ(row.Data(4), "");
    EXPECT_EQ(row.Data(-1), "");
    row.SetCols(5);
    EXPECT_EQ(row.Data(3), ""); // sizing discards the cells
}

TEST(PlayTime, AddSecondCarriesAndCaps) {
    struct {
        const char* stored;
        std::int32_t add;
        const char* expected;
    } cases[] = {
        {"0:0:0", 0, "0:0:0"},          {"0:59:59", 1, "1:0:0"},
        {"9999:0:0", 3600, "9999:0:0"}, {"0:0:0", 40000, "11:6:40"},
        {"12:5:9", 0, "12:5:9"},        {"0:30:30", 1830, "1:1:0"},
        {"9998:59:59", 1, "9999:0:0"},  {"5:0:0", 2147483647, "9999:14:7"},
    };
    for (const auto& c : cases) {
        clsTime time;
        time.SetInitTime(c.stored);
        EXPECT_EQ(time.AddSecond(c.add), c.expected) << c.stored << " + " << c.add;
        EXPECT_EQ(time.AddSecond(0), time.AddSecond(0)); // the stored time does not move
    }
}

TEST(PlayTime, BadTextIsRefusedAndTheStoredTimeStays) {
    struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {{"1:2", ErrorNumber::SubscriptOutOfRange}, {"", ErrorNumber::SubscriptOutOfRange},
                 {"a:0:0", ErrorNumber::TypeMismatch},      {"1:40000:0", ErrorNumber::Overflow},
                 {"1:60:0", ErrorNumber::InvalidCall},      {"1:0:60", ErrorNumber::InvalidCall},
                 {"1:200:0", ErrorNumber::InvalidCall},     {"1:-1:0", ErrorNumber::InvalidCall},
                 {"-1:0:0", ErrorNumber::InvalidCall},      {"10000:0:0", ErrorNumber::InvalidCall},
                 {"2:3:x", ErrorNumber::TypeMismatch}};
    for (const auto& c : cases) {
        clsTime time;
        time.SetInitTime("12:5:9");
        try {
            time.SetInitTime(c.text);
            ADD_FAILURE() << c.text;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.error) << c.text;
        }
        EXPECT_EQ(time.AddSecond(0), "12:5:9") << c.text;
    }
    clsTime edge;
    edge.SetInitTime("9999:59:59");
    EXPECT_EQ(edge.AddSecond(0), "9999:59:59"); // a good time saves as it loads
}

TEST(AppInfo, VersionTexts) {
    clsAppInfo info(1, 2, 3);
    EXPECT_EQ(info.Version(0, "."), "1.02.0003");
    EXPECT_EQ(info.Version(1, "."), "1");
    EXPECT_EQ(info.Version(2, "."), "02");
    EXPECT_EQ(info.Version(3, "."), "3");
    EXPECT_EQ(info.Version(4, ":"), "1:02");
    EXPECT_EQ(info.Version(5, "."), "");
    EXPECT_EQ(clsAppInfo(12, 34, 56789).Version(0, "."), "12.34.56789");
}

TEST(FontRecord, SizeIsClamped) {
    clsFont font;
    EXPECT_EQ(font.Size(), 0);
    struct {
        std::int16_t set, stored;
    } cases[] = {{100, 72}, {0, 8}, {-3, 8}, {8, 8}, {72, 72}, {12, 12}};
    for (auto c : cases) {
        font.Size(c.set);
        EXPECT_EQ(font.Size(), c.stored) << c.set;
    }
    font.Italic(true);
    EXPECT_TRUE(font.Italic());
}
