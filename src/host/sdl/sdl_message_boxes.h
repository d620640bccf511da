#pragma once

#include "host/sys/message_box.h"

struct SDL_Window;

namespace host::sdl {

// The standard message boxes as SDL dialogs over the game's window. Where no
// dialog can be shown (no display), the text goes to standard error and a
// question is answered No.
class SdlMessageBoxes : public sys::MessageBoxes {
  public:
    explicit SdlMessageBoxes(SDL_Window* parent = nullptr) : parent_(parent) {}
    void setParent(SDL_Window* parent) { parent_ = parent; }

    void ok(const std::string& text, const std::string& title) override;
    bool yesNo(const std::string& text, const std::string& title) override;

  private:
    SDL_Window* parent_;
};

} // namespace host::sdl
