#include "host/ui/window_procedure.h"

#include "host/ui/control.h"

#include <unordered_map>

namespace host::ui {

namespace {

struct Window {
    Control* control;
    WindowProcedure procedure;
};

std::unordered_map<std::int32_t, Window>& windows() {
    static std::unordered_map<std::int32_t, Window> table;
    return table;
}

std::int32_t lastHandle = 0;

} // namespace

std::int32_t DefaultWindowProc(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam,
                               std::int32_t lParam) {
    Control* control = FindWindow(hWnd);
    return control ? control->defaultWindowProc(uMsg, wParam, lParam) : 0;
}

WindowProcedure SetWindowProc(std::int32_t hWnd, WindowProcedure procedure) {
    auto it = windows().find(hWnd);
    if (it == windows().end() || !procedure) return nullptr;
    WindowProcedure previous = it->second.procedure;
    it->second.procedure = procedure;
    return previous;
}

std::int32_t CallWindowProc(WindowProcedure procedure, std::int32_t hWnd, std::uint32_t uMsg,
                            std::int32_t wParam, std::int32_t lParam) {
    return procedure ? procedure(hWnd, uMsg, wParam, lParam) : 0;
}

std::int32_t SendMessage(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    auto it = windows().find(hWnd);
    if (it == windows().end()) return 0;
    return CallWindowProc(it->second.procedure, hWnd, uMsg, wParam, lParam);
}

Control* FindWindow(std::int32_t hWnd) {
    auto it = windows().find(hWnd);
    return it == windows().end() ? nullptr : it->second.control;
}

std::int32_t wheelWParam(int delta) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16);
}

std::int32_t pointLParam(int x, int y) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
                                     static_cast<std::uint16_t>(x));
}

namespace detail {

std::int32_t registerWindow(Control& control) {
    std::int32_t hWnd = ++lastHandle;
    windows().emplace(hWnd, Window{&control, &DefaultWindowProc});
    return hWnd;
}

void unregisterWindow(std::int32_t hWnd) {
    windows().erase(hWnd);
}

} // namespace detail

} // namespace host::ui
