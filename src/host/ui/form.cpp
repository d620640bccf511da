#include "host/ui/form.h"

namespace host::ui {

namespace {

bool within(const Control* node, const Control& ancestor) {
    for (; node; node = node->Parent())
        if (node == &ancestor) return true;
    return false;
}

} // namespace

Form::Form() : Control("Form", true) {
    setName("frmMain");
    Move(0, 0, kClientWidth, kClientHeight);
}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
    caption_ = std::move(caption);
    WindowChanged.raise();
}

void Form::setPositionTwips(int left, int top) {
    leftTwips_ = left;
    topTwips_ = top;
    WindowChanged.raise();
}

void Form::setBackColor(gdi::COLORREF colour) {
    backColor_ = colour;
    invalidate();
}

void Form::SetCapture(Control& control) {
    if (control.form() != this || !control.takesInput()) return;
    capture_ = &control;
}

void Form::ReleaseCapture() {
    capture_ = nullptr;
}

void Form::SetFocus(Control& control) {
    if (focus_ == &control || control.form() != this || !control.takesInput()) return;
    Control* previous = focus_;
    focus_ = &control;
    if (previous) previous->onLostFocus();
    // A LostFocus handler may have moved the focus on.
    if (focus_ == &control) control.onGotFocus();
}

gdi::Point Form::cursorPositionIn(const Control& control) const {
    gdi::Point origin = control.originInForm();
    return {cursor_.x - origin.x, cursor_.y - origin.y};
}

Control* Form::controlAt(gdi::Point point) {
    if (point.x < 0 || point.y < 0 || point.x >= kClientWidth || point.y >= kClientHeight) return nullptr;
    Control* found = this;
    gdi::Point local = point;
    for (bool descended = true; descended;) {
        descended = false;
        const auto& children = found->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            Control* child = *it;
            if (!child->Visible() || !child->windowed()) continue;
            gdi::Rect b = child->bounds();
            if (local.x >= b.left && local.x < b.right && local.y >= b.top && local.y < b.bottom) {
                local = {local.x - b.left, local.y - b.top};
                found = child;
                descended = true;
                break;
            }
        }
    }
    return found;
}

void Form::setDragOutline(const gdi::Rect& outline) {
    if (outline == dragOutline_) return;
    dragOutline_ = outline;
    invalidate();
}

void Form::endDrag() {
    dragSource_ = nullptr;
    setDragOutline({});
}

void Form::requestRefresh() {
    if (observer_) observer_->refreshRequested();
}

void Form::controlInvalidated() {
    if (observer_) observer_->formInvalidated();
}

void Form::controlStateChanged() {
    // A holder that stopped taking input lets go silently, except the focus,
    // whose holder is told it lost it.
    if (capture_ && !capture_->takesInput()) capture_ = nullptr;
    if (pressed_ && !pressed_->takesInput()) pressed_ = nullptr;
    if (dragSource_ && !dragSource_->takesInput()) endDrag();
    if (focus_ && !focus_->takesInput()) {
        Control* previous = focus_;
        focus_ = nullptr;
        previous->onLostFocus();
    }
}

void Form::controlDetached(Control& control) {
    if (within(capture_, control)) capture_ = nullptr;
    if (within(pressed_, control)) pressed_ = nullptr;
    if (within(dragSource_, control)) endDrag();
    if (within(focus_, control)) focus_ = nullptr;
}

} // namespace host::ui
