#include "students/student/cls_growth.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

TEST(GrowthRow, MonthsRunFromApril) {
    clsGrowth row;
    row.SetData("ｿｳｼﾞｭｸ1,15,4,5,6,7,8,9,10,11,12,1,2,3");
    EXPECT_EQ(row.GrowthType(), "ｿｳｼﾞｭｸ1");
    EXPECT_EQ(row.Age(), 15);
    for (std::int16_t month = 1; month <= 12; ++month)
        EXPECT_EQ(row.Value(month), month) << month;
    EXPECT_EQ(row.Value(0), 0);
    EXPECT_EQ(row.Value(13), 0);

    row.SetData("ソウジュク２,16,1,1,1,1,1,1,1,1,1,1,1,9,extra");
    EXPECT_EQ(row.GrowthType(), "ｿｳｼﾞｭｸ2");
    EXPECT_EQ(row.Value(3), 9);
}

TEST(GrowthRow, BadRowFailsAndChangesNothing) {
    clsGrowth row;
    row.SetData("晩成1,15,4,5,6,7,8,9,10,11,12,1,2,3");
    struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"晩成2,15,4,5,6,7,8,9,10,11,12,1,2", ErrorNumber::SubscriptOutOfRange},
        {"晩成2,x,4,5,6,7,8,9,10,11,12,1,2,3", ErrorNumber::TypeMismatch},
        {"晩成2,15,4,5,6,7,8,9,10,11,12,1,2,", ErrorNumber::TypeMismatch},
        {"晩成2,15,4,5,6,7,8,9,10,11,12,1,2,99999", ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { row.SetData(c.text); }), c.error) << c.text;
        EXPECT_EQ(row.GrowthType(), "晩成1") << c.text;
        EXPECT_EQ(row.Value(3), 3) << c.text;
    }
}
