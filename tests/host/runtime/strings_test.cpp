#include "host/runtime/strings.h"

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
