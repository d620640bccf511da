#include "host/runtime/strings.h"

#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

using namespace host::runtime;
using Parts = std::vector<std::string>;

TEST(Strings, Split) {
    EXPECT_EQ(Split("", ","), Parts{});
    EXPECT_EQ(Split("a", ","), Parts{"a"});
    EXPECT_EQ(Split("a,,b,", ","), (Parts{"a", "", "b", ""}));
    EXPECT_EQ(Split("a\r\nb", "\r\n"), (Parts{"a", "b"}));
    EXPECT_EQ(Split("a:b:c:d", ":", 2), (Parts{"a", "b:c:d"}));
    EXPECT_EQ(Split("a:b", ":", 5), (Parts{"a", "b"}));
    EXPECT_EQ(Split("春,夏", ","), (Parts{"春", "夏"}));
}

TEST(Strings, SplitFieldsRefusesShortRecordsNamingThem) {
    EXPECT_EQ(SplitFields("a,b,c", ",", 3, "row"), (Parts{"a", "b", "c"}));
    EXPECT_EQ(SplitFields("a:b:c:d", ":", 2, "row", 2), (Parts{"a", "b:c:d"}));
    try {
        SplitFields("a,b", ",", 3, "lesson row");
        FAIL() << "a two-field row was accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::SubscriptOutOfRange);
        EXPECT_NE(std::string(e.what()).find("lesson row has fewer than 3 fields"), std::string::npos)
            << e.what();
    }
    EXPECT_THROW(SplitFields("", ",", 1, "row"), RuntimeError);
}

TEST(Strings, JoinIsTheInverseOfSplit) {
    for (const char* text : {"a,,b,", "x", ",", "春,夏,秋"})
        EXPECT_EQ(Join(Split(text, ","), ","), text);
    EXPECT_EQ(Join({}, ","), "");
}

TEST(Strings, Like) {
    EXPECT_TRUE(Like("王国大会", "*大会"));
    EXPECT_FALSE(Like("王国大会予選", "*大会"));
    EXPECT_TRUE(Like("Item12", "Item*"));
    EXPECT_TRUE(Like("春", "?"));
    EXPECT_FALSE(Like("春夏", "?"));
    EXPECT_TRUE(Like("", "*"));
    EXPECT_FALSE(Like("abc", "abd"));
}

TEST(Strings, TrimOnlySpaces) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\tx"), "\tx");
}
