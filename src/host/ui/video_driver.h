#pragma once

#include "host/gdi/bitmap.h"
#include "host/gdi/geometry.h"
#include "host/ui/input_event.h"

#include <string>

namespace host::ui {

// The window the form lives in: where input comes from and where the
// composed picture goes. One implementation talks to SDL; the null one
// answers from a script.
class VideoDriver {
  public:
    virtual ~VideoDriver() = default;

    // Takes the next pending piece of input; false when none is pending.
    virtual bool pollInput(InputEvent& event) = 0;
    // Waits up to timeoutMs for input to arrive (consuming nothing); true
    // when some is pending.
    virtual bool waitForInput(int timeoutMs) = 0;

    // Shows a composed client-area picture.
    virtual void present(const gdi::Bitmap& frame) = 0;

    virtual void setCaption(const std::string& caption) = 0;
    // The window's top-left corner on the screen, in pixels.
    virtual void setPosition(gdi::Point position) = 0;
    virtual gdi::Point position() = 0;

    // Where the input method shows its candidates (the focused text box), in
    // client pixels; an empty rectangle when no text box has the focus.
    virtual void setTextInputArea(const gdi::Rect& area) = 0;
};

} // namespace host::ui
