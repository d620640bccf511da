#pragma once

#include "host/sys/message_box.h"
#include "host/ui/form.h"
#include "host/ui/video_driver.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace mdlQuorvel {

// Opens the game's window; called once start-up holds its lock.
using OpenWindow = std::function<std::unique_ptr<host::ui::VideoDriver>()>;

// The start-up lock of the game in the program folder: one copy of it
// starts at a time.
std::filesystem::path startupLockFile();

// The program: takes the start-up lock (when another copy is starting it
// ends at once, 0, without opening a window), opens the window, creates the
// globals, seeds the random generator, fills the course masks, loads the
// main form and runs on the window's messages until the window closes (0).
// A file that cannot be loaded is told in a message box naming it and the
// reason, and ends the program with 1. watch, when given, is handed the main
// form's window root as soon as it exists (tests drive the game through it);
// loaded, when given, is handed the window root once the form has loaded
// (the game binary adds its developer buttons there).
int Main(const OpenWindow& openWindow, host::sys::MessageBoxes& boxes,
         const std::function<void(host::ui::Form&)>& watch = {},
         const std::function<void(host::ui::Form&)>& loaded = {});

} // namespace mdlQuorvel
