#pragma once

#include "platform/drawing/drawable_control.h"

#include "host/gdi/device_context.h"

#include <cstdint>
#include <span>
#include <string>

// Copies into hDC, at their places relative to (Left, Top), the parts inside
// the rectangle Left, Top, Width x Height of every visible control of the
// named container, in the given order (later ones over earlier ones).
// Labels are left out; a control only touching the rectangle's edge adds
// nothing.
void CopyBackImage(const std::string& containerName, host::gdi::DeviceContext& hDC, std::int32_t Left,
                   std::int32_t Top, std::int32_t Width, std::int32_t Height,
                   std::span<DrawableControl* const> controls);
