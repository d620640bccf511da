#pragma once

#include "host/gdi/geometry.h"
#include "host/ui/input_event.h"

namespace host::ui {

class Control;
class Form;

// Turns window input into the events of the form's controls: the control
// under the pointer, the pressed one or the capture holder receives mouse
// events in its own coordinates (MouseDown, MouseUp, then Click or
// RightClick when released over it); a press gives the focus; the focused
// control receives characters and text; a press and move on a control in
// automatic drag mode drags it, and the release drops it on the control
// under the pointer. A control that takes no input receives nothing.
class InputRouter {
  public:
    explicit InputRouter(Form& form) : form_(form) {}

    // Every kind but the close request.
    void dispatch(const InputEvent& event);

  private:
    Control* mouseTarget(gdi::Point point);
    void mouseMove(const InputEvent& event);
    void mouseDown(const InputEvent& event);
    void mouseUp(const InputEvent& event);
    void wheel(const InputEvent& event);
    void pointerLeft();
    void keyChar(const InputEvent& event);
    // The form sees the key first when it asks to; false when it kept it.
    bool previewed(int& code);
    void text(const InputEvent& event);

    Form& form_;
    int buttons_ = 0;
    bool dragPending_ = false;
    gdi::Point pressPoint_;
    gdi::Point grabOffset_;
};

} // namespace host::ui
