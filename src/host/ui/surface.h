#pragma once

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"

#include <memory>

namespace host::ui {

class Control;

// A control's persistent drawing surface: what is drawn through its device
// context stays, and Refresh shows it.
class Surface : public gdi::Drawable {
  public:
    explicit Surface(Control& owner);

    gdi::DeviceContext& hDC() override { return dc_; }
    const gdi::DeviceContext& hDC() const { return dc_; }
    void Refresh() override;

    int width() const { return dc_.bitmap().width(); }
    int height() const { return dc_.bitmap().height(); }
    // A new size keeps the picture at the top left and fills what is new.
    void resize(int width, int height, gdi::COLORREF fill);

  private:
    Control& owner_;
    gdi::DeviceContext dc_;
};

} // namespace host::ui
