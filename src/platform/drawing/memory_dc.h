#pragma once

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"

#include <cstdint>
#include <memory>

// A new memory context of width x height, white, of the same kind (colour or
// monochrome) as hRefDC's bitmap.
std::unique_ptr<host::gdi::DeviceContext> CreateMemoryDC(const host::gdi::DeviceContext& hRefDC,
                                                         std::int32_t width, std::int32_t height);

// The mask of the top-left width x height pixels of the image for the key
// colour: a new memory context (like CreateMemoryDC) white where the image
// has the key colour and black elsewhere. The image's key-colour pixels turn
// black, so the image draws transparently as the mask with SRCAND and then
// the image with SRCPAINT.
std::unique_ptr<host::gdi::DeviceContext> CreateMaskDC(host::gdi::DeviceContext& hImageDC, std::int32_t width,
                                                       std::int32_t height, host::gdi::COLORREF keyColor,
                                                       const host::gdi::DeviceContext& hRefDC);

struct BitmapSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The size of the bitmap selected into hDC.
BitmapSize GetBitmapSize(const host::gdi::DeviceContext& hDC);
