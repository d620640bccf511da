#pragma once

#include "host/ui/video_driver.h"

#include <string>

struct SDL_Window;

namespace host::sdl {

// The game's window through SDL2: a fixed 800 x 600 client area, mouse,
// keyboard, input-method text and the close box. Input is read by polling
// only (no callbacks, watches or SDL timers).
class SdlVideoDriver : public ui::VideoDriver {
  public:
    // Opens the window; throws std::runtime_error with SDL's reason when it
    // cannot.
    explicit SdlVideoDriver(const std::string& caption);
    ~SdlVideoDriver() override;
    SdlVideoDriver(const SdlVideoDriver&) = delete;
    SdlVideoDriver& operator=(const SdlVideoDriver&) = delete;

    bool pollInput(ui::InputEvent& event) override;
    bool waitForInput(int timeoutMs) override;
    void present(const gdi::Bitmap& frame) override;
    void setCaption(const std::string& caption) override;
    // A position off every display centres the window instead.
    void setPosition(gdi::Point position) override;
    gdi::Point position() override;
    void setTextInputArea(const gdi::Rect& area) override;

    SDL_Window* window() const { return window_; }

  private:
    SDL_Window* window_ = nullptr;
};

} // namespace host::sdl
