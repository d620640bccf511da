#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host::gdi {

// Pixels per logical inch of every surface, vertically and horizontally.
constexpr int kLogPixelsY = 96;

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// What a font is made from.
struct LogFont {
    // Positive: the cell height (ascent + descent) in pixels. Negative: the
    // character (em) height. 0: the default cell height of 16 pixels.
    int height = 0;
    // 0 is the default weight; 600 and above draw bold.
    int weight = 0;
    // UTF-8. Matched regardless of case and width; unknown names give the
    // proportional gothic face.
    std::string faceName;
};

// The two font files every face name maps to.
enum class FontFace { ProportionalGothic, FixedGothic };

FontFace matchFace(std::string_view faceName);

// One rendered character: 1 bit per pixel, no shades in between.
struct Glyph {
    int left = 0;                  // from the pen position to the first column
    int top = 0;                   // from the baseline up to the first row
    int width = 0;                 // columns of ink
    int rows = 0;                  // rows of ink
    int advance = 0;               // how far the pen moves
    std::vector<std::uint8_t> ink; // rows x width, 1 where the glyph is drawn
};

// A face at one size and weight. Fonts are shared: every request for the same
// face, size and weight answers the same font, and each character is rendered
// once per font.
class Font {
  public:
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    FontFace face() const { return face_; }
    // The line height of text: ascent + descent.
    int height() const { return ascent_ + descent_; }
    int ascent() const { return ascent_; }
    int descent() const { return descent_; }
    bool bold() const { return bold_; }

    // Control characters have no ink and no advance.
    const Glyph& glyph(char32_t character) const;

  private:
    struct Renderer;
    friend std::shared_ptr<const Font> CreateFontIndirect(const LogFont& logFont);
    Font(FontFace face, std::unique_ptr<Renderer> renderer, int ascent, int descent, bool bold);

    FontFace face_;
    std::unique_ptr<Renderer> renderer_;
    int ascent_;
    int descent_;
    bool bold_;
};

// Throws std::runtime_error naming the font file when it is missing or
// unreadable.
std::shared_ptr<const Font> CreateFontIndirect(const LogFont& logFont);

// The font a context without a selected font draws with.
std::shared_ptr<const Font> defaultFont();

} // namespace host::gdi
