#pragma once

#include "host/gdi/bitmap.h"
#include "host/gdi/color.h"
#include "host/gdi/geometry.h"

#include <memory>

namespace host::gdi {

class Font;

// Whether text fills the cells behind its letters with the background colour.
enum class BkMode { Transparent = 1, Opaque = 2 };

// A solid pen. Width 0 draws nothing.
struct Pen {
    int width = 1;
    COLORREF colour = kBlack;
};

// A solid brush.
struct Brush {
    COLORREF colour = kWhite;
};

// A device context: a selected bitmap, which it owns, and the drawing state
// (pen, brush, font, colours, current position). A new context draws with a
// black 1-pixel pen and a white brush, black text in the default font on an
// opaque white background.
class DeviceContext {
  public:
    // A memory context with a new white bitmap of this size.
    DeviceContext(int width, int height, Bitmap::Format format = Bitmap::Format::Colour);
    explicit DeviceContext(std::unique_ptr<Bitmap> bitmap);
    virtual ~DeviceContext() = default;

    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    Bitmap& bitmap() { return *bitmap_; }
    const Bitmap& bitmap() const { return *bitmap_; }
    // Selects another bitmap and hands back the previous one. A null bitmap
    // is refused: the current one stays and null comes back.
    std::unique_ptr<Bitmap> selectBitmap(std::unique_ptr<Bitmap> bitmap);

    const Pen& pen() const { return pen_; }
    // Each select answers what was selected before.
    Pen selectPen(const Pen& pen);
    const Brush& brush() const { return brush_; }
    Brush selectBrush(const Brush& brush);

    COLORREF bkColor() const { return bkColor_; }
    COLORREF setBkColor(COLORREF colour);
    COLORREF textColor() const { return textColor_; }
    COLORREF setTextColor(COLORREF colour);
    BkMode bkMode() const { return bkMode_; }
    BkMode setBkMode(BkMode mode);

    // Null means the default font.
    const std::shared_ptr<const Font>& font() const { return font_; }
    std::shared_ptr<const Font> selectFont(std::shared_ptr<const Font> font);

    Point position() const { return position_; }
    void setPosition(Point position) { position_ = position; }

  private:
    std::unique_ptr<Bitmap> bitmap_;
    Pen pen_;
    Brush brush_;
    COLORREF bkColor_ = kWhite;
    COLORREF textColor_ = kBlack;
    BkMode bkMode_ = BkMode::Opaque;
    std::shared_ptr<const Font> font_;
    Point position_;
};

// Something drawn through a device context and shown after a refresh, such
// as a picture box of the form.
class Drawable {
  public:
    virtual ~Drawable() = default;
    virtual DeviceContext& hDC() = 0;
    virtual void Refresh() = 0;
};

} // namespace host::gdi
