#include "host/ui/control.h"

#include "host/ui/form.h"
#include "host/ui/window_procedure.h"

#include <algorithm>

namespace host::ui {

Control::Control(std::string typeName, bool windowed) : typeName_(std::move(typeName)) {
    if (windowed) hWnd_ = detail::registerWindow(*this);
}

Control::~Control() {
    if (Form* owner = form()) owner->controlDetached(*this);
    for (Control* child : children_)
        child->parent_ = nullptr;
    if (parent_) parent_->detachChild(*this);
    if (hWnd_) detail::unregisterWindow(hWnd_);
}

void Control::setParent(Control* container) {
    if (container == parent_) return;
    if (Form* owner = form()) owner->controlDetached(*this);
    if (parent_) {
        parent_->invalidate();
        parent_->detachChild(*this);
    }
    parent_ = container;
    if (parent_) parent_->children_.push_back(this);
    invalidate();
}

void Control::detachChild(Control& child) {
    std::erase(children_, &child);
}

Form* Control::form() {
    Control* node = this;
    while (node->parent_)
        node = node->parent_;
    return dynamic_cast<Form*>(node);
}

void Control::Move(int left, int top, int width, int height) {
    gdi::Rect bounds{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    if (bounds == bounds_) return;
    bool sized = bounds.right - bounds.left != Width() || bounds.bottom - bounds.top != Height();
    invalidate();
    bounds_ = bounds;
    if (sized) resized();
    invalidate();
}

gdi::Point Control::originInForm() const {
    gdi::Point origin;
    for (const Control* node = this; node && node->parent_; node = node->parent_) {
        origin.x += node->bounds_.left;
        origin.y += node->bounds_.top;
    }
    return origin;
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    invalidate();
    stateChanged();
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    stateChanged();
}

bool Control::effectivelyVisible() const {
    for (const Control* node = this; node; node = node->parent_)
        if (!node->visible_) return false;
    return true;
}

bool Control::takesInput() const {
    for (const Control* node = this; node; node = node->parent_)
        if (!node->visible_ || !node->enabled_) return false;
    return true;
}

void Control::ZOrder(int position) {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    std::erase(siblings, this);
    if (position == 0)
        siblings.push_back(this);
    else
        siblings.insert(siblings.begin(), this);
    invalidate();
}

void Control::drawOnto(gdi::DeviceContext&, gdi::Point) const {}

void Control::invalidate() {
    if (Form* owner = form()) owner->controlInvalidated();
}

void Control::requestRefresh() {
    if (Form* owner = form()) owner->requestRefresh();
}

void Control::SetFocus() {
    if (Form* owner = form()) owner->SetFocus(*this);
}

void Control::SetCapture() {
    if (Form* owner = form()) owner->SetCapture(*this);
}

void Control::ReleaseCapture() {
    if (Form* owner = form()) owner->ReleaseCapture();
}

bool Control::hasCapture() {
    Form* owner = form();
    return owner && owner->GetCapture() == this;
}

bool Control::hasFocus() {
    Form* owner = form();
    return owner && owner->ActiveControl() == this;
}

void Control::stateChanged() {
    if (Form* owner = form()) owner->controlStateChanged();
}

std::int32_t Control::defaultWindowProc(std::uint32_t uMsg, std::int32_t wParam, std::int32_t) {
    if (uMsg == WM_MOUSEWHEEL) {
        int delta = wParam / 65536;
        MouseWheel.raise(delta);
    }
    return 0;
}

void Control::takeBaseSettingsFrom(const Control& element) {
    name_ = element.name_;
    bounds_ = element.bounds_;
    enabled_ = element.enabled_;
    visible_ = false;
    toolTipText_ = element.toolTipText_;
    dragMode_ = element.dragMode_;
    resized();
    setParent(element.parent_);
}

} // namespace host::ui
