#pragma once

#include "host/gdi/font.h"

#include <memory>
#include <string>

namespace host::ui {

// A control's font as its properties give it: face, size in points, bold.
struct FontChoice {
    std::string name = "MS UI Gothic";
    double size = 9;
    bool bold = false;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// The font: a character height of size points at 96 pixels per inch.
std::shared_ptr<const gdi::Font> createFont(const FontChoice& choice);

} // namespace host::ui
