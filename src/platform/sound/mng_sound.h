#pragma once

#include "platform/sound/cls_mng_sound.h"

#include <memory>

// The program's one sound manager (gMngSound). The shell installs it at
// start-up; tests install their own. Reaching it while none is installed
// raises the object-not-set error.
clsMngSound& MngSound();
void InstallMngSound(std::unique_ptr<clsMngSound> manager);
void ResetMngSound();
