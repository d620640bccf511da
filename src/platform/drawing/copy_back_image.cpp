#include "platform/drawing/copy_back_image.h"

#include "host/gdi/blit.h"

#include <algorithm>

namespace {

// One axis of the overlap of a control [start, start + size) with the
// rectangle [origin, origin + extent): where it starts in the control, where
// it lands, and how long it is.
struct Span {
    std::int64_t source;
    std::int64_t target;
    std::int64_t length;
};

Span overlap(std::int64_t start, std::int64_t size, std::int64_t origin, std::int64_t extent) {
    const std::int64_t d = start - origin;
    if (d <= 0) return {-d, 0, std::min(extent, size + d)};
    return {0, d, std::min(size, origin + extent - start)};
}

bool buildsFreshContext(const std::string& type) {
    return type == "ctrGraphicalGridVer2" || type == "ctrGraphicalMSG";
}

} // namespace

void CopyBackImage(const std::string& containerName, host::gdi::DeviceContext& hDC, std::int32_t Left,
                   std::int32_t Top, std::int32_t Width, std::int32_t Height,
                   std::span<DrawableControl* const> controls) {
    for (DrawableControl* control : controls) {
        if (control->ContainerName() != containerName || !control->Visible()) continue;
        const std::int64_t top = control->Top(), left = control->Left();
        const std::int64_t height = control->Height(), width = control->Width();
        if (!(top + height > Top && left + width > Left && top < std::int64_t{Top} + Height &&
              left < std::int64_t{Left} + Width))
            continue;
        const std::string type = control->TypeName();
        if (type == "Label") continue;

        const Span v = overlap(top, height, Top, Height);
        const Span h = overlap(left, width, Left, Width);
        if (const host::gdi::DeviceContext* source = control->HDC())
            host::gdi::BitBlt(hDC, static_cast<int>(h.target), static_cast<int>(v.target),
                              static_cast<int>(h.length), static_cast<int>(v.length), *source,
                              static_cast<int>(h.source), static_cast<int>(v.source), host::gdi::SRCCOPY);
        if (buildsFreshContext(type)) control->HDCDelete();
    }
}
