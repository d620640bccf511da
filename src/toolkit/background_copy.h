#pragma once

#include "host/gdi/device_context.h"

namespace toolkit {

// The copy of the picture under a control, never shown, with the source and
// position it was taken from so that it can be taken again.
class BackgroundCopy {
  public:
    // Takes the width x height area at (left, top) of the source.
    void take(host::gdi::DeviceContext& source, int left, int top, int width, int height);
    // Takes the area again from the kept source and position, at the present
    // size; false when nothing was handed over yet.
    bool retake();
    bool taken() const { return source_ != nullptr; }

    host::gdi::DeviceContext& dc() { return dc_; }
    int width() const { return dc_.bitmap().width(); }
    int height() const { return dc_.bitmap().height(); }

  private:
    host::gdi::DeviceContext dc_{0, 0};
    host::gdi::DeviceContext* source_ = nullptr;
    int left_ = 0;
    int top_ = 0;
};

} // namespace toolkit
