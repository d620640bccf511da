#include "host/ui/font_choice.h"

#include "host/runtime/rounding.h"

#include <cmath>

namespace host::ui {

std::shared_ptr<const gdi::Font> createFont(const FontChoice& choice) {
    gdi::LogFont logFont;
    auto points = static_cast<std::int32_t>(std::lround(choice.size));
    logFont.height = -runtime::MulDiv(points, gdi::kLogPixelsY, 72);
    logFont.weight = choice.bold ? gdi::FW_BOLD : 0;
    logFont.faceName = choice.name;
    return gdi::CreateFontIndirect(logFont);
}

} // namespace host::ui
