#include "host/runtime/global.h"

#include <gtest/gtest.h>

#include <string>

using namespace host::runtime;

namespace {

struct Thing {
    explicit Thing(int v) : value(v) {}
    virtual ~Thing() = default;
    int value;
};

struct Special : Thing {
    Special() : Thing(7) {}
    int extra = 3;
};

constinit Global<Thing> gThing{"gThing"};
constinit Global<Thing> gDefaulted{"defaulted",
                                   []() -> std::unique_ptr<Thing> { return std::make_unique<Thing>(1); }};

TEST(Global, WithNothingInstalledRaisesObjectNotSetNamingTheGlobal) {
    EXPECT_EQ(gThing.find(), nullptr);
    try {
        gThing.get();
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::ObjectNotSet);
        EXPECT_NE(std::string(e.what()).find("gThing"), std::string::npos) << e.what();
    }
}

TEST(Global, ScopedInstallsNestAndEachPutsThePreviousBack) {
    {
        ScopedInstall outer(gThing, std::make_unique<Thing>(1));
        {
            ScopedInstall inner(gThing, std::make_unique<Special>());
            EXPECT_EQ(gThing.get().value, 7);
            EXPECT_EQ(inner->extra, 3) << "the scope reaches the installed type's own members";
        }
        EXPECT_EQ(&gThing.get(), outer.get());
        {
            ScopedInstall none(gThing, std::unique_ptr<Thing>());
            EXPECT_EQ(gThing.find(), nullptr);
        }
        EXPECT_EQ(gThing.get().value, 1);
    }
    EXPECT_EQ(gThing.find(), nullptr);
}

TEST(Global, TheFallbackIsMadeWhenFirstReachedAndAgainAfterARemoval) {
    EXPECT_EQ(gDefaulted.find(), nullptr);
    Thing& made = gDefaulted.get();
    EXPECT_EQ(&gDefaulted.get(), &made);
    {
        ScopedInstall installed(gDefaulted, std::make_unique<Thing>(5));
        EXPECT_EQ(gDefaulted.get().value, 5);
    }
    EXPECT_EQ(&gDefaulted.get(), &made) << "the instance in use before the scope comes back";

    const auto removed = gDefaulted.install(nullptr);
    EXPECT_EQ(removed.get(), &made);
    EXPECT_EQ(gDefaulted.find(), nullptr);
    EXPECT_EQ(gDefaulted.get().value, 1) << "a fresh fallback";
}

} // namespace
