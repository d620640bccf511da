#include "host/ui/font_spec.h"

#include "host/runtime/rounding.h"

#include <cmath>

namespace host::ui {

std::shared_ptr<const gdi::Font> createFont(const FontSpec& spec) {
    gdi::LogFont logFont;
    auto points = static_cast<std::int32_t>(std::lround(spec.size));
    logFont.height = -runtime::MulDiv(points, gdi::kLogPixelsY, 72);
    logFont.weight = spec.bold ? gdi::FW_BOLD : 0;
    logFont.faceName = spec.name;
    return gdi::CreateFontIndirect(logFont);
}

} // namespace host::ui
