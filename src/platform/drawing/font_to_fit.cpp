#include "platform/drawing/font_to_fit.h"

#include "platform/drawing/graphical_controls_props.h"

#include "host/gdi/text_layout.h"

int singleLineWidth(const host::gdi::Font& font, std::string_view text) {
    return host::gdi::layoutText(font, text, {.singleLine = true}).front().width;
}

std::shared_ptr<const host::gdi::Font> CreateFontHandleToFit(std::int32_t points, bool bold,
                                                             const std::string& face, std::string_view text,
                                                             int width) {
    auto font = CreateFontHandle(points, bold, face);
    const int weight = bold ? host::gdi::FW_BOLD : 0;
    for (int height = FontCellHeight(points) - 1; height >= kSmallestFitHeight; --height) {
        if (singleLineWidth(*font, text) <= width) break;
        font = host::gdi::CreateFontIndirect({height, weight, face});
    }
    return font;
}
