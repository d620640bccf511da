#include "host/ui/input_router.h"

#include "host/ui/control.h"
#include "host/ui/form.h"
#include "host/ui/window_procedure.h"

#include <string>
#include <vector>

namespace host::ui {

namespace {

gdi::Point toControl(const Control& control, gdi::Point point) {
    gdi::Point origin = control.originInForm();
    return {point.x - origin.x, point.y - origin.y};
}

bool over(const Control& control, gdi::Point point) {
    gdi::Point local = toControl(control, point);
    return local.x >= 0 && local.y >= 0 && local.x < control.Width() && local.y < control.Height();
}

// The text's characters, each as its own UTF-8 piece.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> pieces;
    for (unsigned char byte : text) {
        if ((byte & 0xC0) != 0x80 || pieces.empty())
            pieces.emplace_back(1, static_cast<char>(byte));
        else
            pieces.back().push_back(static_cast<char>(byte));
    }
    return pieces;
}

} // namespace

void InputRouter::dispatch(const InputEvent& event) {
    switch (event.kind) {
    case InputEvent::Kind::MouseMove:
        mouseMove(event);
        break;
    case InputEvent::Kind::MouseDown:
        mouseDown(event);
        break;
    case InputEvent::Kind::MouseUp:
        mouseUp(event);
        break;
    case InputEvent::Kind::Wheel:
        wheel(event);
        break;
    case InputEvent::Kind::PointerLeft:
        pointerLeft();
        break;
    case InputEvent::Kind::KeyChar:
        keyChar(event);
        break;
    case InputEvent::Kind::Text:
        text(event);
        break;
    case InputEvent::Kind::Composition:
        if (Control* focus = form_.ActiveControl(); focus && focus->takesInput())
            focus->onComposition(event.text);
        break;
    case InputEvent::Kind::CloseRequest:
        break;
    }
}

Control* InputRouter::mouseTarget(gdi::Point point) {
    if (Control* capture = form_.GetCapture()) return capture;
    if (Control* pressed = form_.pressed()) return pressed;
    return form_.controlAt(point);
}

void InputRouter::mouseMove(const InputEvent& event) {
    gdi::Point point{event.x, event.y};
    form_.setCursorPosition(point);
    if (dragPending_ && form_.pressed() && !(point == pressPoint_)) {
        form_.setDragSource(form_.pressed());
        form_.setPressed(nullptr);
        dragPending_ = false;
    }
    if (Control* source = form_.dragSource()) {
        form_.setDragOutline({point.x - grabOffset_.x, point.y - grabOffset_.y,
                              point.x - grabOffset_.x + source->Width(),
                              point.y - grabOffset_.y + source->Height()});
        return;
    }
    if (dragPending_) return;
    Control* target = mouseTarget(point);
    if (!target || !target->takesInput()) return;
    gdi::Point local = toControl(*target, point);
    target->onMouseMove(buttons_, event.shift, local.x, local.y);
}

void InputRouter::mouseDown(const InputEvent& event) {
    gdi::Point point{event.x, event.y};
    form_.setCursorPosition(point);
    buttons_ |= event.button;
    if (form_.dragSource() || dragPending_) return;
    Control* target = mouseTarget(point);
    if (!target || !target->takesInput()) return;
    if (target->canTakeFocus()) form_.SetFocus(*target);
    if (!target->takesInput()) return;
    if (target->dragMode() == DragMode::Automatic && event.button == vbLeftButton) {
        form_.setPressed(target);
        dragPending_ = true;
        pressPoint_ = point;
        grabOffset_ = toControl(*target, point);
        return;
    }
    if (!form_.pressed()) form_.setPressed(target);
    gdi::Point local = toControl(*target, point);
    target->onMouseDown(event.button, event.shift, local.x, local.y);
}

void InputRouter::mouseUp(const InputEvent& event) {
    gdi::Point point{event.x, event.y};
    form_.setCursorPosition(point);
    buttons_ &= ~event.button;
    if (Control* source = form_.dragSource()) {
        if (event.button != vbLeftButton) return;
        form_.setDragSource(nullptr);
        form_.setDragOutline({});
        Control* target = form_.controlAt(point);
        if (!target || !target->takesInput()) return;
        gdi::Point local = toControl(*target, point);
        target->DragDrop.raise(*source, local.x, local.y);
        return;
    }
    if (dragPending_) {
        if (event.button != vbLeftButton) return;
        dragPending_ = false;
        form_.setPressed(nullptr);
        return;
    }
    Control* pressed = form_.pressed();
    Control* target = mouseTarget(point);
    if (buttons_ == 0) form_.setPressed(nullptr);
    if (!target || !target->takesInput()) return;
    gdi::Point local = toControl(*target, point);
    target->onMouseUp(event.button, event.shift, local.x, local.y);
    if (target != pressed || !target->takesInput() || !over(*target, point)) return;
    if (event.button == vbLeftButton)
        target->onClick();
    else if (event.button == vbRightButton)
        target->onRightClick();
}

void InputRouter::wheel(const InputEvent& event) {
    gdi::Point point{event.x, event.y};
    Control* target = mouseTarget(point);
    if (!target || !target->takesInput()) return;
    SendMessage(target->hWnd(), WM_MOUSEWHEEL, wheelWParam(event.delta * WHEEL_DELTA),
                pointLParam(event.x, event.y));
}

void InputRouter::pointerLeft() {
    Control* capture = form_.GetCapture();
    if (!capture || form_.dragSource() || !capture->takesInput()) return;
    capture->onMouseMove(buttons_, 0, -1, -1);
}

void InputRouter::keyChar(const InputEvent& event) {
    int code = event.code;
    if (!previewed(code)) return;
    Control* focus = form_.ActiveControl();
    if (!focus || !focus->takesInput()) return;
    focus->onKeyPress(code);
}

bool InputRouter::previewed(int& code) {
    if (form_.KeyPreview()) form_.KeyPress.raise(code);
    return code != 0;
}

void InputRouter::text(const InputEvent& event) {
    for (const std::string& character : characters(event.text)) {
        unsigned char first = static_cast<unsigned char>(character[0]);
        int code = first;
        if (first < 0x80 && !previewed(code)) continue;
        Control* focus = form_.ActiveControl();
        if (!focus || !focus->takesInput()) return;
        if (first < 0x80) {
            focus->onKeyPress(code);
            if (code <= 0 || code >= 0x80 || !focus->takesInput()) continue;
            focus->onText(std::string(1, static_cast<char>(code)));
        } else {
            focus->onText(character);
        }
    }
}

} // namespace host::ui
