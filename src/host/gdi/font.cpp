#include "host/gdi/font.h"

#include "host/text/case.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <tuple>
#include <unordered_map>

namespace host::gdi {
namespace {

constexpr int kDefaultCellHeight = 16;

const char* fontPath(FontFace face) {
    return face == FontFace::FixedGothic ? "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
                                         : "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";
}

std::vector<FT_Byte> readFontFile(FontFace face) {
    const char* path = fontPath(face);
    std::ifstream in(path, std::ios::binary);
    std::vector<FT_Byte> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.empty())
        throw std::runtime_error(std::string("font file missing or unreadable: ") + path +
                                 " (install the fonts-ipafont-gothic package)");
    return bytes;
}

using FontKey = std::tuple<FontFace, int, bool>;

// FreeType, the font files and every font made so far. Kept for the whole run
// (never destroyed), so fonts held by static objects stay usable.
struct Registry {
    FT_Library library = nullptr;
    std::map<FontFace, std::vector<FT_Byte>> files;
    std::map<FontKey, std::shared_ptr<const Font>> fonts;

    Registry() {
        if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType failed to start");
    }

    const std::vector<FT_Byte>& file(FontFace face) {
        auto it = files.find(face);
        if (it == files.end()) it = files.emplace(face, readFontFile(face)).first;
        return it->second;
    }
};

Registry& registry() {
    static Registry* instance = new Registry;
    return *instance;
}

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

} // namespace

FontFace matchFace(std::string_view faceName) {
    static const std::string fixed = text::foldCaseWidth("ＭＳ ゴシック");
    return text::foldCaseWidth(faceName) == fixed ? FontFace::FixedGothic : FontFace::ProportionalGothic;
}

struct Font::Renderer {
    FT_Face face = nullptr;
    mutable std::unordered_map<char32_t, Glyph> glyphs;

    ~Renderer() {
        if (face) FT_Done_Face(face);
    }

    Glyph render(char32_t character, bool bold) const {
        Glyph glyph;
        if (isControl(character)) return glyph;
        const FT_UInt index = FT_Get_Char_Index(face, character);
        const FT_GlyphSlot slot = face->glyph;
        if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0 ||
            FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
            return glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        glyph.rows = static_cast<int>(bitmap.rows);
        const int width = static_cast<int>(bitmap.width);
        // Bold is the regular glyph drawn twice, one pixel apart.
        const int extra = bold ? 1 : 0;
        glyph.width = width > 0 ? width + extra : 0;
        glyph.advance += extra;
        glyph.ink.assign(static_cast<std::size_t>(glyph.width) * glyph.rows, 0);
        for (int y = 0; y < glyph.rows; ++y) {
            const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
            std::uint8_t* row = glyph.ink.data() + static_cast<std::size_t>(y) * glyph.width;
            for (int x = 0; x < width; ++x) {
                if ((source[x >> 3] >> (7 - (x & 7))) & 1) {
                    row[x] = 1;
                    if (bold) row[x + 1] = 1;
                }
            }
        }
        return glyph;
    }
};

Font::Font(FontFace face, std::unique_ptr<Renderer> renderer, int ascent, int descent, bool bold)
    : face_(face), renderer_(std::move(renderer)), ascent_(ascent), descent_(descent), bold_(bold) {}

Font::~Font() = default;

const Glyph& Font::glyph(char32_t character) const {
    auto& cache = renderer_->glyphs;
    auto it = cache.find(character);
    if (it == cache.end()) it = cache.emplace(character, renderer_->render(character, bold_)).first;
    return it->second;
}

std::shared_ptr<const Font> CreateFontIndirect(const LogFont& logFont) {
    Registry& reg = registry();
    const FontFace face = matchFace(logFont.faceName);
    const int height = logFont.height == 0 ? kDefaultCellHeight : logFont.height;
    const bool bold = logFont.weight >= 600;
    const FontKey key{face, height, bold};
    if (auto it = reg.fonts.find(key); it != reg.fonts.end()) return it->second;

    const std::vector<FT_Byte>& bytes = reg.file(face);
    auto renderer = std::make_unique<Font::Renderer>();
    if (FT_New_Memory_Face(reg.library, bytes.data(), static_cast<FT_Long>(bytes.size()), 0,
                           &renderer->face) != 0)
        throw std::runtime_error(std::string("font file not readable: ") + fontPath(face));
    const FT_Face ft = renderer->face;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    const double unitsPerEm = ft->units_per_EM;
    const double winAscent = os2 ? os2->usWinAscent : ft->ascender;
    const double winDescent = os2 ? os2->usWinDescent : -ft->descender;

    // A cell height covers ascent and descent; a character height is the em.
    int pixelsPerEm = 0;
    int ascent = 0;
    int descent = 0;
    if (height > 0) {
        pixelsPerEm =
            std::max(1, static_cast<int>(std::lround(height * unitsPerEm / (winAscent + winDescent))));
        ascent = static_cast<int>(std::lround(winAscent * pixelsPerEm / unitsPerEm));
        descent = height - ascent;
    } else {
        pixelsPerEm = -height;
        ascent = static_cast<int>(std::lround(winAscent * pixelsPerEm / unitsPerEm));
        descent = static_cast<int>(std::lround(winDescent * pixelsPerEm / unitsPerEm));
    }
    FT_Set_Pixel_Sizes(ft, 0, static_cast<FT_UInt>(pixelsPerEm));

    std::shared_ptr<const Font> font(new Font(face, std::move(renderer), ascent, descent, bold));
    reg.fonts.emplace(key, font);
    return font;
}

std::shared_ptr<const Font> defaultFont() {
    return CreateFontIndirect(LogFont{});
}

} // namespace host::gdi
