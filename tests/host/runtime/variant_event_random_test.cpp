#include "host/runtime/event.h"
#include "host/runtime/random.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/variant.h"

#include <gtest/gtest.h>

using namespace host::runtime;

TEST(Variant, EmptyAndConversions) {
    Variant v;
    EXPECT_TRUE(v.isEmpty());
    EXPECT_EQ(v.toLong(), 0);
    EXPECT_EQ(v.toString(), "");
    EXPECT_FALSE(v.toBool());

    EXPECT_EQ(Variant("12").toLong(), 12);
    EXPECT_EQ(Variant(2.5).toLong(), 2);
    EXPECT_EQ(Variant(true).toLong(), -1);
    EXPECT_EQ(Variant(std::int32_t{7}).toString(), "7");
    EXPECT_EQ(Variant(0.1f).toString(), "0.1");
    EXPECT_TRUE(Variant("True").toBool());
    EXPECT_THROW(Variant("x").toLong(), RuntimeError);
    EXPECT_THROW(Variant(std::int32_t{70000}).toInteger(), RuntimeError);
    EXPECT_EQ(Variant("a"), Variant(std::string("a")));
    EXPECT_NE(Variant(), Variant(""));
}

TEST(Event, OrderByReferenceAndChangesDuringRaise) {
    Event<int> e;
    std::vector<std::string> log;
    Event<int>::Token second = 0;
    e.subscribe([&](int& v) {
        log.push_back("first " + std::to_string(v));
        v += 1;
        e.unsubscribe(second); // removed before its turn: not called
        e.subscribe([&](int&) { log.push_back("late"); });
    });
    second = e.subscribe([&](int&) { log.push_back("second"); });
    e.subscribe([&](int& v) { log.push_back("third " + std::to_string(v)); });
    int value = 1;
    e.raise(value);
    EXPECT_EQ(log, (std::vector<std::string>{"first 1", "third 2"}));
    EXPECT_EQ(value, 2);
    log.clear();
    e.raise(value); // the late handler now takes part
    EXPECT_EQ(log.back(), "late");
}

TEST(Random, LinearGeneratorIsRepeatableAndInRange) {
    LinearRandom a(1234), b(1234);
    for (int i = 0; i < 1000; ++i) {
        float x = a.next();
        EXPECT_EQ(x, b.next());
        EXPECT_GE(x, 0.0f);
        EXPECT_LT(x, 1.0f);
    }
}

TEST(Random, ScriptedValuesAndInstalledSource) {
    ScopedInstall scripted(installedRandom,
                           std::make_unique<ScriptedRandom>(std::vector<float>{0.25f, 0.75f}));
    EXPECT_EQ(rnd(), 0.25f);
    EXPECT_EQ(rnd(), 0.75f);
    EXPECT_THROW(rnd(), std::logic_error);
}
