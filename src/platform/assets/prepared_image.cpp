#include "platform/assets/prepared_image.h"

#include "platform/assets/placeholder.h"
#include "platform/drawing/byte_range.h"
#include "platform/drawing/memory_dc.h"

#include "host/gdi/blit.h"
#include "host/runtime/runtime_error.h"

#include <limits>
#include <string>

using host::gdi::DeviceContext;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

std::int16_t toInteger(std::int32_t value) {
    if (value < 0 || value > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow, "picture size " + std::to_string(value));
    }
    return static_cast<std::int16_t>(value);
}

} // namespace

PreparedImage PrepareImage(std::span<std::uint8_t> archive, std::size_t index, const DeviceContext& hRefDC) {
    const auto records = AssetTable::ImageRecords();
    const AssetTable::ImageRecord& record = records[index];
    const std::int32_t last = AssetTable::LastByte(records, index, AssetTable::kImageArchiveSize);
    auto decoded = CreatePictureFromBytes(archive, record.first, last, true, {record.width, record.height});

    PreparedImage image;
    if (!decoded) {
        image.width = record.width;
        image.height = record.height;
        image.picture = CreatePlaceholderDC(hRefDC, toInteger(image.width), toInteger(image.height));
    } else {
        const std::int32_t sourceWidth = decoded->width();
        const std::int32_t sourceHeight = decoded->height();
        image.width = record.stretched ? AssetTable::kStretchWidth : sourceWidth;
        image.height = record.stretched ? AssetTable::kStretchHeight : sourceHeight;
        if (!hRefDC.bitmap().monochrome() && sourceWidth == image.width && sourceHeight == image.height) {
            // Already what a copy would make: the decoded bitmap is kept as it is.
            image.picture = std::make_unique<DeviceContext>(std::move(decoded));
        } else {
            const DeviceContext source(std::move(decoded));
            image.picture = CreateMemoryDC(hRefDC, toInteger(image.width), toInteger(image.height));
            if (record.stretched) {
                host::gdi::StretchBlt(*image.picture, 0, 0, image.width, image.height, source, 0, 0,
                                      sourceWidth, sourceHeight, host::gdi::SRCCOPY);
            } else {
                host::gdi::BitBlt(*image.picture, 0, 0, image.width, image.height, source, 0, 0,
                                  host::gdi::SRCCOPY);
            }
        }
    }
    if (!record.stretched) {
        image.mask = CreateMaskDC(*image.picture, toInteger(image.width), toInteger(image.height),
                                  host::gdi::kWhite, hRefDC);
    }
    return image;
}
