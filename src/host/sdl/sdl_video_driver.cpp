#include "host/sdl/sdl_video_driver.h"

#include "host/ui/form.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

namespace host::sdl {

namespace {

int buttonOf(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return ui::vbLeftButton;
    case SDL_BUTTON_RIGHT:
        return ui::vbRightButton;
    case SDL_BUTTON_MIDDLE:
        return ui::vbMiddleButton;
    default:
        return 0;
    }
}

int shiftState() {
    SDL_Keymod mod = SDL_GetModState();
    return ((mod & KMOD_SHIFT) ? 1 : 0) | ((mod & KMOD_CTRL) ? 2 : 0) | ((mod & KMOD_ALT) ? 4 : 0);
}

int keyCharOf(SDL_Keycode key) {
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_ESCAPE:
        return 27;
    case SDLK_TAB:
        return 9;
    default:
        return 0;
    }
}

// Translates one SDL event; false for events the form does not see.
bool translate(const SDL_Event& sdl, ui::InputEvent& event) {
    using Kind = ui::InputEvent::Kind;
    switch (sdl.type) {
    case SDL_QUIT:
        event = ui::InputEvent::closeRequest();
        return true;
    case SDL_WINDOWEVENT:
        if (sdl.window.event == SDL_WINDOWEVENT_CLOSE) {
            event = ui::InputEvent::closeRequest();
            return true;
        }
        if (sdl.window.event == SDL_WINDOWEVENT_LEAVE) {
            event = ui::InputEvent::pointerLeft();
            return true;
        }
        return false;
    case SDL_MOUSEMOTION:
        event = ui::InputEvent::move(sdl.motion.x, sdl.motion.y);
        event.shift = shiftState();
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int button = buttonOf(sdl.button.button);
        if (!button) return false;
        event = ui::InputEvent::at(sdl.type == SDL_MOUSEBUTTONDOWN ? Kind::MouseDown : Kind::MouseUp,
                                   sdl.button.x, sdl.button.y, button);
        event.shift = shiftState();
        return true;
    }
    case SDL_MOUSEWHEEL: {
        int delta = sdl.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -sdl.wheel.y : sdl.wheel.y;
        if (delta == 0) return false;
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        event = ui::InputEvent::wheel(delta, x, y);
        return true;
    }
    case SDL_KEYDOWN: {
        int code = keyCharOf(sdl.key.keysym.sym);
        if (!code) return false;
        event = ui::InputEvent::keyChar(code);
        return true;
    }
    case SDL_TEXTINPUT:
        event = ui::InputEvent::typed(sdl.text.text);
        return true;
    case SDL_TEXTEDITING:
        event = ui::InputEvent::composing(sdl.edit.text);
        return true;
    default:
        return false;
    }
}

} // namespace

SdlVideoDriver::SdlVideoDriver(const std::string& caption) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("SDL video: ") + SDL_GetError());
    SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               ui::Form::kClientWidth, ui::Form::kClientHeight, SDL_WINDOW_SHOWN);
    if (!window_) {
        std::string reason = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("SDL window: " + reason);
    }
    SDL_StartTextInput();
}

SdlVideoDriver::~SdlVideoDriver() {
    SDL_StopTextInput();
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlVideoDriver::pollInput(ui::InputEvent& event) {
    SDL_Event sdl;
    while (SDL_PollEvent(&sdl)) {
        if (sdl.type == SDL_WINDOWEVENT && sdl.window.event == SDL_WINDOWEVENT_EXPOSED)
            SDL_UpdateWindowSurface(window_);
        if (translate(sdl, event)) return true;
    }
    return false;
}

bool SdlVideoDriver::waitForInput(int timeoutMs) {
    return SDL_WaitEventTimeout(nullptr, timeoutMs) == 1;
}

void SdlVideoDriver::present(const gdi::Bitmap& frame) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    int width = std::min(frame.width(), surface->w);
    int height = std::min(frame.height(), surface->h);
    if (SDL_LockSurface(surface) != 0) return;
    // Our pixels are 0x00BBGGRR, SDL's XBGR8888.
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_XBGR8888, frame.row(0),
                      frame.width() * static_cast<int>(sizeof(gdi::COLORREF)), surface->format->format,
                      surface->pixels, surface->pitch);
    SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(window_);
}

void SdlVideoDriver::setCaption(const std::string& caption) {
    SDL_SetWindowTitle(window_, caption.c_str());
}

void SdlVideoDriver::setPosition(gdi::Point position) {
    SDL_Point corner{position.x, position.y};
    for (int display = 0; display < SDL_GetNumVideoDisplays(); ++display) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(display, &bounds) == 0 && SDL_PointInRect(&corner, &bounds)) {
            SDL_SetWindowPosition(window_, position.x, position.y);
            return;
        }
    }
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

gdi::Point SdlVideoDriver::position() {
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    return {x, y};
}

void SdlVideoDriver::setTextInputArea(const gdi::Rect& area) {
    SDL_Rect rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
    SDL_SetTextInputRect(&rect);
}

} // namespace host::sdl
