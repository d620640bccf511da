#pragma once

#include "host/runtime/global.h"
#include "platform/files/cls_file.h"

// The program's one file service. The shell installs it at start-up; tests
// install their own.
inline constinit host::runtime::Global<clsFile> gFile{"gFile"};
inline clsFile& File() {
    return gFile.get();
}
