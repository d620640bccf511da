#include "host/sdl/sdl_message_boxes.h"

#include <SDL.h>

#include <cstdio>

namespace host::sdl {

namespace {

// The pressed button's id, or -1 when no dialog could be shown.
int show(SDL_Window* parent, const std::string& text, const std::string& title, bool question) {
    const SDL_MessageBoxButtonData okButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1, "OK"}};
    const SDL_MessageBoxButtonData yesNoButtons[] = {{SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "いいえ"},
                                                     {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "はい"}};
    SDL_MessageBoxData data{};
    data.flags = SDL_MESSAGEBOX_INFORMATION;
    data.window = parent;
    data.title = title.c_str();
    data.message = text.c_str();
    data.numbuttons = question ? 2 : 1;
    data.buttons = question ? yesNoButtons : okButtons;
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return -1;
    }
    return pressed;
}

} // namespace

void SdlMessageBoxes::ok(const std::string& text, const std::string& title) {
    show(parent_, text, title, false);
}

bool SdlMessageBoxes::yesNo(const std::string& text, const std::string& title) {
    return show(parent_, text, title, true) == 1;
}

} // namespace host::sdl
