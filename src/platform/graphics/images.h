#pragma once

#include "platform/graphics/cls_images.h"

#include <memory>

// The program's one picture store (gImages). The shell installs it at
// start-up; tests install their own. Reaching it while none is installed
// raises the object-not-set error.
clsImages& Images();
void InstallImages(std::unique_ptr<clsImages> images);
void ResetImages();
