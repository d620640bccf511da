#include "battle/records/cls_school.h"

#include <gtest/gtest.h>

TEST(SchoolRecord, ReadsNameRankFormationUnderstandingAndBasePointByRank) {
    clsSchool school;
    school.SetData("ﾊｰｾﾞﾙ村塾,3,ｶﾀｶﾅ陣,7");
    EXPECT_EQ(school.SchoolName(), "ハーゼル村塾");
    EXPECT_EQ(school.Rank(), 3);
    EXPECT_EQ(school.LineName(), "カタカナ陣");
    EXPECT_EQ(school.Understanding(), 7);

    const struct {
        const char* rank;
        std::int16_t base;
    } cases[] = {{"-1", 0}, {"0", 10}, {"1", 20}, {"3", 45}, {"6", 75}, {"7", 76}, {"8", 0}};
    for (const auto& c : cases) {
        school.SetData(std::string("a,") + c.rank + ",b,0");
        EXPECT_EQ(school.BasePoint(), c.base) << "rank " << c.rank;
    }
}
