#include "host/runtime/runtime_error.h"
#include "platform/sound/mng_sound.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

TEST(MngSoundAccessor, ReachesTheInstalledManagerAndFailsWithoutOne) {
    try {
        MngSound();
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::ObjectNotSet);
    }

    {
        host::runtime::ScopedInstall installed(gMngSound, std::make_unique<clsMngSound>());
        EXPECT_EQ(&MngSound(), installed.get());
    }
    EXPECT_THROW(MngSound(), RuntimeError);
}
