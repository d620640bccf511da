#pragma once

#include "host/gdi/device_context.h"

#include <cstdint>
#include <memory>

// What stands in for a picture that cannot be decoded: magenta crossed by
// two black diagonals, width x height, made like CreateMemoryDC. It holds no
// white, so a white-keyed mask leaves all of it visible.
std::unique_ptr<host::gdi::DeviceContext> CreatePlaceholderDC(const host::gdi::DeviceContext& hRefDC,
                                                              std::int16_t width, std::int16_t height);
