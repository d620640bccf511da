#pragma once

#include "host/gdi/device_context.h"
#include "host/gdi/geometry.h"
#include "host/runtime/event.h"

#include <cstdint>
#include <string>
#include <vector>

namespace host::ui {

class Form;

// Mouse buttons as handlers receive them.
enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// How a control answers a press: by its mouse events, or by being dragged.
enum class DragMode { Manual, Automatic };

// A control of the form: a node of the tree with its bounds in pixels inside
// its container, its own look, and the events the input router raises on it.
// Controls are owned by whoever builds them (a screen); the tree only links
// them. A windowed control has a window handle and a window procedure; a
// windowless one (a label) is drawn by its container and takes no input.
class Control {
  public:
    Control(std::string typeName, bool windowed);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    const std::string& TypeName() const { return typeName_; }
    // The control-array index; -1 outside an array.
    int Index() const { return index_; }
    void setIndex(int index) { index_ = index; }

    // Attaches the control to a container on top of its siblings (nullptr
    // detaches it).
    void setParent(Control* container);
    Control* Parent() const { return parent_; }
    // Children from the back to the front.
    const std::vector<Control*>& children() const { return children_; }
    // The form at the root of the tree, or nullptr while detached.
    Form* form();

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.right - bounds_.left; }
    int Height() const { return bounds_.bottom - bounds_.top; }
    gdi::Rect bounds() const { return bounds_; }
    // Negative sizes count as 0.
    void Move(int left, int top, int width, int height);
    void setLeft(int left) { Move(left, Top(), Width(), Height()); }
    void setTop(int top) { Move(Left(), top, Width(), Height()); }
    void setWidth(int width) { Move(Left(), Top(), width, Height()); }
    void setHeight(int height) { Move(Left(), Top(), Width(), height); }
    // The control's origin in the form's client area.
    gdi::Point originInForm() const;

    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Visible and enabled with every container up to the form: only then does
    // the control take input.
    bool effectivelyVisible() const;
    bool takesInput() const;

    // 0 brings the control to the front of its siblings, 1 sends it to the back.
    void ZOrder(int position = 0);

    const std::string& ToolTipText() const { return toolTipText_; }
    void setToolTipText(std::string text) { toolTipText_ = std::move(text); }
    DragMode dragMode() const { return dragMode_; }
    void setDragMode(DragMode mode) { dragMode_ = mode; }

    bool windowed() const { return hWnd_ != 0; }
    // The window handle; 0 for a windowless control.
    std::int32_t hWnd() const { return hWnd_; }
    // Whether a click gives the control the keyboard focus.
    virtual bool canTakeFocus() const { return windowed(); }

    // The control's current look, the size of the control; nullptr when it
    // has none of its own (a label, the form).
    virtual const gdi::DeviceContext* look() const { return nullptr; }
    // Draws a windowless control onto its container's look in the frame;
    // origin is the container's origin in the frame.
    virtual void drawOnto(gdi::DeviceContext& frame, gdi::Point origin) const;

    // Marks the form's picture as out of date.
    void invalidate();
    // Asks for the form to be shown soon (a control's Refresh).
    void requestRefresh();

    // The form's focus and capture, for this control.
    void SetFocus();
    void SetCapture();
    void ReleaseCapture();
    bool hasCapture();
    bool hasFocus();

    // Events, coordinates in the control's own pixels.
    runtime::Event<int, int, int, int> MouseMove; // button, shift, x, y
    runtime::Event<int, int, int, int> MouseDown;
    runtime::Event<int, int, int, int> MouseUp;
    runtime::Event<> Click;       // left button released over the control
    runtime::Event<> RightClick;  // right button released over the control
    runtime::Event<int> KeyPress; // character code; a handler may set it to 0
    runtime::Event<> GotFocus;
    runtime::Event<> LostFocus;
    runtime::Event<Control&, int, int> DragDrop; // source, x, y
    runtime::Event<int> MouseWheel;              // delta, positive away from the user

    // What the input router and the default window procedure call. Each
    // raises the event; controls with their own behaviour add to it.
    virtual void onMouseMove(int button, int shift, int x, int y) { MouseMove.raise(button, shift, x, y); }
    virtual void onMouseDown(int button, int shift, int x, int y) { MouseDown.raise(button, shift, x, y); }
    virtual void onMouseUp(int button, int shift, int x, int y) { MouseUp.raise(button, shift, x, y); }
    virtual void onClick() { Click.raise(); }
    virtual void onRightClick() { RightClick.raise(); }
    virtual void onKeyPress(int& code) { KeyPress.raise(code); }
    virtual void onText(const std::string&) {}
    virtual void onComposition(const std::string&) {}
    virtual void onGotFocus() { GotFocus.raise(); }
    virtual void onLostFocus() { LostFocus.raise(); }
    virtual std::int32_t defaultWindowProc(std::uint32_t uMsg, std::int32_t wParam, std::int32_t lParam);

  protected:
    // Copies what a control-array element takes from element 0: name,
    // bounds, Enabled, tooltip, drag mode and the container, where it goes on
    // top. A new element starts hidden.
    void takeBaseSettingsFrom(const Control& element);
    // Called after the bounds changed.
    virtual void resized() {}

  private:
    void detachChild(Control& child);
    void stateChanged();

    std::string typeName_;
    std::string name_;
    int index_ = -1;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    gdi::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTipText_;
    DragMode dragMode_ = DragMode::Manual;
    std::int32_t hWnd_ = 0;
};

} // namespace host::ui
