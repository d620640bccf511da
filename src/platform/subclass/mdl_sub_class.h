#pragma once

#include "host/ui/window_procedure.h"

#include <cstdint>

// What the subclassing hub needs of a control that subscribes for its
// window's messages.
class SubClassSubscriber {
  public:
    virtual ~SubClassSubscriber() = default;

    // The control's window.
    virtual std::int32_t hWnd() = 0;
    // The procedure the window had before the hub's; null when this
    // subscriber did not install the hub's.
    virtual host::ui::WindowProcedure PreWndProcAddress() = 0;
    virtual void setPreWndProcAddress(host::ui::WindowProcedure procedure) = 0;
    // Handles one message: 0 ends it, -1 passes it on to the previous
    // procedure, any other value is the result unless a later subscriber
    // answers.
    virtual std::int32_t WindowProc(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam,
                                    std::int32_t lParam) = 0;
};

// Shares one window procedure between the controls that need messages of
// their window (the wheel): the first subscriber for a window installs it,
// the last to leave puts the window's own procedure back.
namespace mdlSubClass {

// Subscribing twice does nothing.
void SubClassHook(SubClassSubscriber& control);
// Unsubscribing a control that never subscribed does nothing.
void SubClassUnhook(SubClassSubscriber& control);
// The hub's window procedure: asks the window's subscribers in order.
std::int32_t SubClassProc(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam, std::int32_t lParam);

} // namespace mdlSubClass
