#pragma once

#include "host/runtime/global.h"
#include "platform/sound/cls_mng_sound.h"

// The program's one sound manager. The shell installs it at start-up; tests
// install their own.
inline constinit host::runtime::Global<clsMngSound> gMngSound{"gMngSound"};
inline clsMngSound& MngSound() {
    return gMngSound.get();
}
