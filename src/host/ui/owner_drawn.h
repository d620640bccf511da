#pragma once

#include "host/ui/control.h"
#include "host/ui/surface.h"

#include <string>

namespace host::ui {

// The base of the owner-drawn controls: a windowed control that draws
// everything itself on its drawing surface Disp, placed at (0, 0) with the
// control's size; HDC is its current look. Such a control takes the focus
// when the pointer is over it.
class OwnerDrawnControl : public Control {
  public:
    explicit OwnerDrawnControl(std::string typeName);

    Surface& Disp() { return disp_; }
    gdi::DeviceContext& HDC() { return disp_.hDC(); }
    const gdi::DeviceContext* look() const override { return &disp_.hDC(); }

  protected:
    // The surface follows the control's size; what is new is white.
    void resized() override;

  private:
    Surface disp_;
};

// An owner-drawn control with its persisted settings, a plain struct whose
// defaults are the control's defaults. Control-array elements take element
// 0's settings.
template <class Settings> class OwnerDrawn : public OwnerDrawnControl {
  public:
    explicit OwnerDrawn(std::string typeName) : OwnerDrawnControl(std::move(typeName)) {}

    Settings settings;

    void takeSettingsFrom(const OwnerDrawn& element) {
        settings = element.settings;
        takeBaseSettingsFrom(element);
    }
};

} // namespace host::ui
