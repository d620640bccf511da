#pragma once

#include <string>

namespace host::ui {

// One piece of input from the window, positions in client pixels.
struct InputEvent {
    enum class Kind {
        MouseMove,
        MouseDown,
        MouseUp,
        Wheel,        // delta in notches, positive away from the user
        PointerLeft,  // the pointer left the window
        KeyChar,      // a character the keyboard produced: Enter 13, Backspace 8, Escape 27, Tab 9
        Text,         // text typed or committed by the input method (UTF-8)
        Composition,  // text the input method is composing, not yet committed
        CloseRequest, // the window's close box
    };

    Kind kind = Kind::MouseMove;
    int x = 0;
    int y = 0;
    int button = 0; // vbLeftButton, vbRightButton, vbMiddleButton
    int shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    int delta = 0;
    int code = 0;
    std::string text;

    static InputEvent of(Kind kind) {
        InputEvent event;
        event.kind = kind;
        return event;
    }
    static InputEvent at(Kind kind, int x, int y, int button = 0) {
        InputEvent event = of(kind);
        event.x = x;
        event.y = y;
        event.button = button;
        return event;
    }
    static InputEvent move(int x, int y) { return at(Kind::MouseMove, x, y); }
    static InputEvent down(int button, int x, int y) { return at(Kind::MouseDown, x, y, button); }
    static InputEvent up(int button, int x, int y) { return at(Kind::MouseUp, x, y, button); }
    static InputEvent wheel(int delta, int x, int y) {
        InputEvent event = at(Kind::Wheel, x, y);
        event.delta = delta;
        return event;
    }
    static InputEvent pointerLeft() { return of(Kind::PointerLeft); }
    static InputEvent keyChar(int code) {
        InputEvent event = of(Kind::KeyChar);
        event.code = code;
        return event;
    }
    static InputEvent typed(std::string text) {
        InputEvent event = of(Kind::Text);
        event.text = std::move(text);
        return event;
    }
    static InputEvent composing(std::string text) {
        InputEvent event = of(Kind::Composition);
        event.text = std::move(text);
        return event;
    }
    static InputEvent closeRequest() { return of(Kind::CloseRequest); }
};

} // namespace host::ui
