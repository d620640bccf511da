#pragma once

#include "host/runtime/global.h"
#include "state/cls_data.h"

// The one game-state facade; the shell installs it at start-up.
inline constinit host::runtime::Global<clsData> gData{"gData"};
inline clsData& Data() {
    return gData.get();
}
