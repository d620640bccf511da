#pragma once

#include "host/gdi/bitmap.h"
#include "host/ui/control.h"
#include "host/ui/font_choice.h"
#include "host/ui/surface.h"

#include <memory>

namespace host::ui {

// A picture box: a windowed control whose persistent surface is its look.
// Drawing through hDC() stays until Cls or a new picture; Refresh shows it.
// Scale is in pixels.
class PictureBox : public Control, public gdi::Drawable {
  public:
    PictureBox();

    gdi::DeviceContext& hDC() override { return surface_.hDC(); }
    void Refresh() override { surface_.Refresh(); }
    // Clears the surface to the background colour and the picture.
    void Cls();

    int ScaleWidth() const { return Width(); }
    int ScaleHeight() const { return Height(); }

    gdi::COLORREF BackColor() const { return backColor_; }
    // Like Cls, paints the surface in the new colour.
    void setBackColor(gdi::COLORREF colour);

    const FontChoice& Font() const { return font_; }
    // The surface draws text in this font from now on.
    void setFont(const FontChoice& font);

    // The background picture, drawn at the top left; with AutoSize the box
    // takes the picture's size. nullptr removes it.
    void setPicture(std::unique_ptr<gdi::Bitmap> picture);
    const gdi::Bitmap* Picture() const { return picture_.get(); }
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    const gdi::DeviceContext* look() const override { return &surface_.hDC(); }

    // A control-array element takes the colour, font and auto-size of
    // element 0 (not its drawing or picture).
    void takeSettingsFrom(const PictureBox& element);

  protected:
    void resized() override;

  private:
    void fitPicture();

    Surface surface_;
    gdi::COLORREF backColor_ = gdi::RGB(240, 240, 240);
    FontChoice font_;
    std::unique_ptr<gdi::Bitmap> picture_;
    bool autoSize_ = false;
};

} // namespace host::ui
