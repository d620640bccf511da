#pragma once

#include "host/gdi/device_context.h"

#include <cstdint>
#include <string>

// A control of the form as the see-through background copy sees it. The form
// runtime implements it for every control it holds.
class DrawableControl {
  public:
    virtual ~DrawableControl() = default;

    // The Name of the control's container.
    virtual std::string ContainerName() const = 0;
    virtual std::string TypeName() const = 0;
    virtual bool Visible() const = 0;
    // Bounds in pixels of the container.
    virtual std::int32_t Left() const = 0;
    virtual std::int32_t Top() const = 0;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;

    // The control's current look; null when it has none. The list grid and
    // the message box build a fresh context on each call, which HDCDelete
    // releases.
    virtual host::gdi::DeviceContext* HDC() = 0;
    virtual void HDCDelete() = 0;
};
