#pragma once

#include "host/gdi/color.h"
#include "host/ui/control.h"
#include "host/ui/font_choice.h"

#include <string>

namespace host::ui {

// A windowless label: its caption, wrapped at words inside its rectangle
// (CR LF breaks lines), drawn with a transparent background over its
// container's look and under the container's windowed children. It is not
// part of the container's surface and takes no input.
class Label : public Control {
  public:
    enum Alignment { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

    Label();

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    gdi::COLORREF ForeColor() const { return foreColor_; }
    void setForeColor(gdi::COLORREF colour);
    const FontChoice& Font() const { return font_; }
    void setFont(const FontChoice& font);
    int TextAlignment() const { return alignment_; }
    void setAlignment(int alignment);

    void drawOnto(gdi::DeviceContext& frame, gdi::Point origin) const override;

    void takeSettingsFrom(const Label& element);

  private:
    std::string caption_;
    gdi::COLORREF foreColor_ = gdi::kBlack;
    FontChoice font_;
    mutable std::shared_ptr<const gdi::Font> gdiFont_;
    int alignment_ = vbLeftJustify;
};

} // namespace host::ui
