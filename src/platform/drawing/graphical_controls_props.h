#pragma once

#include "platform/records/cls_font.h"
#include "platform/records/cls_rect.h"

#include "host/gdi/font.h"
#include "host/gdi/geometry.h"

#include <cstdint>
#include <memory>
#include <string>

// The font of the record: its point size as a cell height in pixels, bold or
// regular weight, its face; never italic.
std::shared_ptr<const host::gdi::Font> CreateFontHandle(const clsFont& font);
// The cell height in pixels of a font of that point size.
int FontCellHeight(std::int32_t points);
// The same from the values themselves, the size used as it comes.
std::shared_ptr<const host::gdi::Font> CreateFontHandle(std::int32_t points, bool bold,
                                                        const std::string& face);

host::gdi::Rect GetRectFromClsRECT(const clsRECT& rect);

// DrawText flags: align 2 centre, 3 right, else left; singleLine adds
// DT_SINGLELINE; vAlign 2 centre, 1 bottom, else top.
unsigned GetDrawTextFlags(std::int32_t align, bool singleLine, std::int32_t vAlign);
