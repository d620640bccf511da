#include "platform/drawing/graphical_controls_props.h"

#include "host/gdi/draw_text.h"
#include "host/runtime/rounding.h"

#include <cstdlib>

std::shared_ptr<const host::gdi::Font> CreateFontHandle(const clsFont& font) {
    return CreateFontHandle(font.Size(), font.Bold(), font.Name());
}

int FontCellHeight(std::int32_t points) {
    return std::abs(host::runtime::MulDiv(points, host::gdi::kLogPixelsY, 72));
}

std::shared_ptr<const host::gdi::Font> CreateFontHandle(std::int32_t points, bool bold,
                                                        const std::string& face) {
    return host::gdi::CreateFontIndirect({FontCellHeight(points), bold ? host::gdi::FW_BOLD : 0, face});
}

host::gdi::Rect GetRectFromClsRECT(const clsRECT& rect) {
    return {rect.Left(), rect.Top(), rect.Right(), rect.Bottom()};
}

unsigned GetDrawTextFlags(std::int32_t align, bool singleLine, std::int32_t vAlign) {
    unsigned flags = align == 2   ? host::gdi::DT_CENTER
                     : align == 3 ? host::gdi::DT_RIGHT
                                  : host::gdi::DT_LEFT;
    if (singleLine) flags |= host::gdi::DT_SINGLELINE;
    if (vAlign == 2)
        flags |= host::gdi::DT_VCENTER;
    else if (vAlign == 1)
        flags |= host::gdi::DT_BOTTOM;
    return flags;
}
