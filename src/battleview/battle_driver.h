#pragma once

#include "battleview/cls_battle.h"

#include "host/runtime/global.h"

// The program's one battle driver. The shell installs it at start-up; tests
// install their own.
inline constinit host::runtime::Global<clsBattle> gBattle{"gBattle"};
inline clsBattle& Battle() {
    return gBattle.get();
}
