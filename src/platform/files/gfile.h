#pragma once

#include "platform/files/cls_file.h"

#include <memory>

// The program's one file service (gFile). The shell installs it at start-up;
// tests install their own. Reaching it while none is installed raises the
// object-not-set error.
clsFile& File();
// Returns the previous instance.
std::unique_ptr<clsFile> InstallFile(std::unique_ptr<clsFile> file);
void ResetFile();
