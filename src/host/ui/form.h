#pragma once

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"
#include "host/runtime/event.h"
#include "host/ui/control.h"

#include <memory>
#include <string>

namespace host::ui {

// Twips per pixel at 96 pixels per inch.
constexpr int kTwipsPerPixel = 15;

// Told when the form's picture changed, and asked to show it soon.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void formInvalidated() = 0;
    // A control asked to be shown now (a picture box's Refresh).
    virtual void refreshRequested() = 0;
};

// The main form: the root of the control tree with a fixed client area, a
// caption and a position on the screen. It keeps who holds the mouse capture
// and the keyboard focus, and lets go of them when their holder stops taking
// input.
class Form : public Control {
  public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 600;

    Form();
    ~Form() override;

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    // The window's top-left corner on the screen, in twips.
    int LeftTwips() const { return leftTwips_; }
    int TopTwips() const { return topTwips_; }
    void setPositionTwips(int left, int top);
    gdi::COLORREF BackColor() const { return backColor_; }
    void setBackColor(gdi::COLORREF colour);

    // Mouse capture: the holder receives every pointer move, also outside
    // its bounds. Only a control taking input can hold it.
    void SetCapture(Control& control);
    void ReleaseCapture();
    Control* GetCapture() const { return capture_; }
    // The control pressed and not yet released (capture from press to
    // release), and the control being dragged; the input router sets them.
    Control* pressed() const { return pressed_; }
    void setPressed(Control* control) { pressed_ = control; }
    Control* dragSource() const { return dragSource_; }
    void setDragSource(Control* control) { dragSource_ = control; }
    // Where the outline of a dragged control is drawn (empty: none).
    const gdi::Rect& dragOutline() const { return dragOutline_; }
    void setDragOutline(const gdi::Rect& outline);

    // Keyboard focus; LostFocus is raised on the old holder, then GotFocus on
    // the new one. A control that takes no input is not given the focus.
    void SetFocus(Control& control);
    Control* ActiveControl() const { return focus_; }
    // With KeyPreview the form's KeyPress sees each key before the focused
    // control; a handler that sets the code to 0 keeps it from the control.
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool value) { keyPreview_ = value; }

    // The pointer's last position in the client area (a move outside the
    // window leaves it where it was last seen).
    gdi::Point cursorPosition() const { return cursor_; }
    void setCursorPosition(gdi::Point point) { cursor_ = point; }
    // The cursor position in a control's coordinates.
    gdi::Point cursorPositionIn(const Control& control) const;

    // The deepest visible windowed control under a client point (the form
    // itself when no control is there, nullptr outside the client area).
    // Enabled is not looked at: a disabled control still hides what lies
    // behind it.
    Control* controlAt(gdi::Point point);

    // Raised by the pump when the window's close box was used, before the
    // program unwinds; and once, after it unwound, to shut down.
    runtime::Event<> QueryUnload;
    runtime::Event<> Unload;
    // Position or caption changed (the video driver follows).
    runtime::Event<> WindowChanged;

    void setObserver(FormObserver* observer) { observer_ = observer; }
    void requestRefresh();

    // Bookkeeping called by controls.
    void controlInvalidated();
    void controlStateChanged();
    void controlDetached(Control& control);

  private:
    void endDrag();

    std::string caption_;
    int leftTwips_ = 0;
    int topTwips_ = 0;
    gdi::COLORREF backColor_ = gdi::RGB(240, 240, 240);
    Control* capture_ = nullptr;
    Control* focus_ = nullptr;
    Control* pressed_ = nullptr;
    Control* dragSource_ = nullptr;
    gdi::Rect dragOutline_;
    gdi::Point cursor_{-1, -1};
    FormObserver* observer_ = nullptr;
    bool keyPreview_ = false;
};

} // namespace host::ui
