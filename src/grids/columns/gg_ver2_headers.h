#pragma once

#include "grids/columns/cls_gg_ver2_headers.h"

#include "host/runtime/global.h"

// The program's one column registry. The shell installs it at start-up;
// tests install their own.
inline constinit host::runtime::Global<clsGGVer2Headers> gGGVer2Headers{"gGGVer2Headers"};
inline clsGGVer2Headers& GGVer2Headers() {
    return gGGVer2Headers.get();
}
