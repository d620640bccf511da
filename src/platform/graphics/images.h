#pragma once

#include "host/runtime/global.h"
#include "platform/graphics/cls_images.h"

// The program's one picture store. The shell installs it at start-up; tests
// install their own.
inline constinit host::runtime::Global<clsImages> gImages{"gImages"};
inline clsImages& Images() {
    return gImages.get();
}
