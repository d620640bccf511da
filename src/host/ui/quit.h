#pragma once

namespace host::ui {

// Thrown when the window is closed or the program asks to end. It derives
// from nothing the handlers' dispatch catches, so it unwinds every wait and
// nested loop up to the pump's top level.
struct QuitRequested {};

} // namespace host::ui
