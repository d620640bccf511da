#pragma once

#include "platform/assets/asset_table.h"

#include "host/gdi/device_context.h"

#include <cstdint>
#include <memory>
#include <span>

// One record of the image archive made ready for the picture store, without
// touching the store, so records can be prepared on any thread: what
// AddImageFromBytes and AddMaskImage make of it.
struct PreparedImage {
    std::unique_ptr<host::gdi::DeviceContext> picture;
    // The white-keyed mask; null for a stretched record.
    std::unique_ptr<host::gdi::DeviceContext> mask;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Record index of the image table from the archive, its bytes restored in
// place:
// decoded at its own size, or stretched to the stretch size, into contexts
// made like hRefDC; a mask for the masked records, whose white then turns
// black. A record that does not decode, or whose header gives a picture
// larger than the table's size for it, becomes a placeholder of that size.
// A record lying past the archive's end raises the subscript error (9).
PreparedImage PrepareImage(std::span<std::uint8_t> archive, std::size_t index,
                           const host::gdi::DeviceContext& hRefDC);
