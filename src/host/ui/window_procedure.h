#pragma once

#include <cstdint>

namespace host::ui {

class Control;

// Window messages the runtime sends to a control's window procedure.
constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;

// One wheel notch.
constexpr int WHEEL_DELTA = 120;

// A window procedure: answers the message's result. Every windowed control
// has one; the default one raises the control's events for the message.
using WindowProcedure = std::int32_t (*)(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam,
                                         std::int32_t lParam);

// The procedure every windowed control starts with.
std::int32_t DefaultWindowProc(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam,
                               std::int32_t lParam);

// Replaces the window procedure of a window and answers the one it had;
// nullptr (and no change) for a handle that names no window or a null procedure.
WindowProcedure SetWindowProc(std::int32_t hWnd, WindowProcedure procedure);

// Calls a procedure for a window; 0 when the procedure is null.
std::int32_t CallWindowProc(WindowProcedure procedure, std::int32_t hWnd, std::uint32_t uMsg,
                            std::int32_t wParam, std::int32_t lParam);

// Sends a message to the window's present procedure; 0 for an unknown window.
std::int32_t SendMessage(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam, std::int32_t lParam);

// The control of a window handle, or nullptr.
Control* FindWindow(std::int32_t hWnd);

// The wheel message's parameters: the delta in the high word of wParam, the
// pointer's client position in lParam.
std::int32_t wheelWParam(int delta);
std::int32_t pointLParam(int x, int y);

namespace detail {
// Window handles are handed out and withdrawn by the controls themselves.
std::int32_t registerWindow(Control& control);
void unregisterWindow(std::int32_t hWnd);
} // namespace detail

} // namespace host::ui
