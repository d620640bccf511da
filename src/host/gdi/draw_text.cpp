#include "host/gdi/draw_text.h"

#include "host/gdi/font.h"
#include "host/gdi/text_layout.h"

#include <algorithm>

namespace host::gdi {
namespace {

Rect intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

void drawGlyph(Bitmap& bitmap, const Rect& clip, const Glyph& glyph, int x, int y, COLORREF colour) {
    const int x0 = std::max(x, clip.left);
    const int x1 = std::min(x + glyph.width, clip.right);
    const int y0 = std::max(y, clip.top);
    const int y1 = std::min(y + glyph.rows, clip.bottom);
    for (int py = y0; py < y1; ++py) {
        const std::uint8_t* ink = glyph.ink.data() + static_cast<std::size_t>(py - y) * glyph.width - x;
        COLORREF* row = bitmap.row(py);
        for (int px = x0; px < x1; ++px) // a select rather than a branch: the loop vectorises
            row[px] = ink[px] ? colour : row[px];
    }
}

void drawLine(DeviceContext& dc, const Font& font, const TextLine& line, int x, int y, const Rect& clip) {
    Bitmap& bitmap = dc.bitmap();
    if (dc.bkMode() == BkMode::Opaque) {
        const Rect cell = intersect({x, y, x + line.width, y + font.height()}, clip);
        for (int py = cell.top; py < cell.bottom; ++py)
            bitmap.fillSpan(py, cell.left, cell.right, dc.bkColor());
    }
    const COLORREF colour = bitmap.storable(dc.textColor());
    const int baseline = y + font.ascent();
    const int underlineRow = std::min(baseline + 1, y + font.height() - 1);
    int penX = x;
    for (const TextCharacter& character : line.characters) {
        const Glyph& glyph = font.glyph(character.code);
        drawGlyph(bitmap, clip, glyph, penX + glyph.left, baseline - glyph.top, colour);
        if (character.underlined && underlineRow >= clip.top && underlineRow < clip.bottom)
            bitmap.fillSpan(underlineRow, std::max(penX, clip.left),
                            std::min(penX + glyph.advance, clip.right), colour);
        penX += glyph.advance;
    }
}

} // namespace

int DrawText(DeviceContext& dc, std::string_view text, Rect& rect, unsigned format) {
    const std::shared_ptr<const Font> font = dc.font() ? dc.font() : defaultFont();
    const bool singleLine = format & DT_SINGLELINE;
    const std::vector<TextLine> lines =
        layoutText(*font, text, {singleLine, (format & DT_WORDBREAK) != 0, rect.right - rect.left});
    const int lineHeight = font->height();
    const int textHeight = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, line.width);
        rect.right = rect.left + widest;
        rect.bottom = rect.top + textHeight;
        return textHeight;
    }

    int y = rect.top;
    if (singleLine && (format & DT_VCENTER))
        y = rect.top + (rect.bottom - rect.top - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        y = rect.bottom - lineHeight;

    const Rect clip = intersect(rect, {0, 0, dc.bitmap().width(), dc.bitmap().height()});
    for (const TextLine& line : lines) {
        if ((format & DT_EDITCONTROL) && &line != &lines.front() && y + lineHeight > rect.bottom) break;
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.right - rect.left - line.width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - line.width;
        drawLine(dc, *font, line, x, y, clip);
        y += lineHeight;
    }
    return textHeight;
}

} // namespace host::gdi
