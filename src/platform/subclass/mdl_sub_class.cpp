#include "platform/subclass/mdl_sub_class.h"

#include "host/runtime/collection.h"

#include <cstdint>
#include <string>

namespace mdlSubClass {

namespace {

host::runtime::Collection<SubClassSubscriber*>& subscribers() {
    static host::runtime::Collection<SubClassSubscriber*> all;
    return all;
}

host::runtime::Collection<std::int32_t>& hookedWindows() {
    static host::runtime::Collection<std::int32_t> all;
    return all;
}

std::string keyOf(const SubClassSubscriber& control) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(&control));
}

std::string keyOf(std::int32_t hWnd) {
    return std::to_string(hWnd);
}

} // namespace

void SubClassHook(SubClassSubscriber& control) {
    std::string key = keyOf(control);
    if (subscribers().contains(key)) return;
    subscribers().add(&control, key);
    std::int32_t hWnd = control.hWnd();
    if (hookedWindows().contains(keyOf(hWnd))) return;
    hookedWindows().add(hWnd, keyOf(hWnd));
    control.setPreWndProcAddress(host::ui::SetWindowProc(hWnd, &SubClassProc));
}

void SubClassUnhook(SubClassSubscriber& control) {
    std::string key = keyOf(control);
    if (!subscribers().contains(key)) return;
    subscribers().remove(key);
    std::int32_t hWnd = control.hWnd();
    for (SubClassSubscriber* other : subscribers()) {
        if (other->hWnd() != hWnd) continue;
        if (control.PreWndProcAddress()) other->setPreWndProcAddress(control.PreWndProcAddress());
        return;
    }
    host::ui::SetWindowProc(hWnd, control.PreWndProcAddress());
    if (hookedWindows().contains(keyOf(hWnd))) hookedWindows().remove(keyOf(hWnd));
}

std::int32_t SubClassProc(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    std::int32_t result = 0;
    host::ui::WindowProcedure previous = nullptr;
    for (SubClassSubscriber* subscriber : subscribers()) {
        if (subscriber->hWnd() != hWnd) continue;
        result = subscriber->WindowProc(hWnd, uMsg, wParam, lParam);
        if (subscriber->PreWndProcAddress()) previous = subscriber->PreWndProcAddress();
        if (result == 0) break;
    }
    if (result == -1) result = host::ui::CallWindowProc(previous, hWnd, uMsg, wParam, lParam);
    return result;
}

} // namespace mdlSubClass
