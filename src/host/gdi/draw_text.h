#pragma once

#include "host/gdi/device_context.h"

#include <string_view>

namespace host::gdi {

// DrawText format flags.
enum DrawTextFormat : unsigned {
    DT_TOP = 0x0000,
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004, // single line only
    DT_BOTTOM = 0x0008,  // single line only
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_CALCRECT = 0x0400,
    DT_EDITCONTROL = 0x2000, // a line after the first that would show only in part is left out
};

// Draws UTF-8 text into the rectangle with the context's font, text colour
// and, when the background mode is opaque, background colour behind each
// line; nothing is drawn outside the rectangle. Lines are laid out as
// layoutText describes. With DT_CALCRECT nothing is drawn: the rectangle's
// right and bottom are set to hold the text (empty text measures one line).
// Answers the height of the text.
int DrawText(DeviceContext& dc, std::string_view text, Rect& rect, unsigned format);

} // namespace host::gdi
