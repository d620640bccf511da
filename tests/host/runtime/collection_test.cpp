#include "host/runtime/collection.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

using namespace host::runtime;
using testsupport::errorOf;

namespace {
std::vector<int> values(Collection<int>& c) {
    std::vector<int> out;
    for (int v : c)
        out.push_back(v);
    return out;
}

} // namespace

TEST(Collection, OrderPositionsAndKeys) {
    Collection<int> c;
    c.add(1, "a");
    c.add(3, "c");
    c.addBefore(2, "b", "c");
    c.addAfter(4, "d", 3);
    c.addBefore(0, "", 1);
    EXPECT_EQ(values(c), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(c.count(), 5);
    EXPECT_EQ(c.item(1), 0);
    EXPECT_EQ(c.item("c"), 3);
    EXPECT_TRUE(c.contains("d"));
    EXPECT_EQ(c.find("zz"), nullptr);
    c.remove("b");
    c.remove(1);
    EXPECT_EQ(values(c), (std::vector<int>{1, 3, 4}));
}

TEST(Collection, Errors) {
    Collection<int> c;
    c.add(1, "a");
    EXPECT_EQ(errorOf([&] { c.add(2, "a"); }), ErrorNumber::DuplicateKey);
    EXPECT_EQ(errorOf([&] { c.item("b"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { c.item(2); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { c.item(0); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { c.remove("b"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(c.count(), 1); // failed add left nothing behind
}

TEST(Collection, KeyFolding) {
    Collection<int> exact(KeyFold::Exact);
    exact.add(1, "Abc");
    EXPECT_FALSE(exact.contains("abc"));

    Collection<int> caseless(KeyFold::IgnoreCase);
    caseless.add(1, "Abc");
    EXPECT_TRUE(caseless.contains("ABC"));
    EXPECT_EQ(errorOf([&] { caseless.add(2, "aBC"); }), ErrorNumber::DuplicateKey);

    Collection<int> wide(KeyFold::IgnoreCaseAndWidth);
    wide.add(1, "ＡｂＣ");
    wide.add(2, "ﾃｽﾄ");
    EXPECT_EQ(wide.item("abc"), 1);
    EXPECT_EQ(wide.item("テスト"), 2);
}

TEST(Collection, RemovingWhileIteratingVisitsEachRemainingOnce) {
    Collection<int> c;
    for (int i = 1; i <= 6; ++i)
        c.add(i, std::to_string(i));
    std::vector<int> seen;
    for (int v : c) {
        seen.push_back(v);
        c.remove(std::to_string(v)); // the current one
        if (v == 2) c.remove("4");   // one ahead
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 5, 6}));
    EXPECT_EQ(c.count(), 0);
}

TEST(Collection, ClearDuringIterationEndsIt) {
    Collection<int> c;
    for (int i = 1; i <= 3; ++i)
        c.add(i);
    int visits = 0;
    for (int v : c) {
        (void)v;
        ++visits;
        c.clear();
    }
    EXPECT_EQ(visits, 1);
}
