#include "host/runtime/runtime_error.h"
#include "platform/sound/mng_sound.h"

#include <gtest/gtest.h>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

TEST(MngSoundAccessor, ReachesTheInstalledManagerAndFailsWithoutOne) {
    ResetMngSound();
    try {
        MngSound();
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::ObjectNotSet);
    }

    auto manager = std::make_unique<clsMngSound>();
    clsMngSound* installed = manager.get();
    InstallMngSound(std::move(manager));
    EXPECT_EQ(&MngSound(), installed);
    ResetMngSound();
    EXPECT_THROW(MngSound(), RuntimeError);
}
