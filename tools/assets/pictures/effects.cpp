#include "tools/assets/picture_generators.h"
#include "tools/assets/pictures/effect_painters.h"

#include <stdexcept>
#include <string>

namespace tools {

using namespace pictures;

// Each frame drawn by the effect's painter; the pictures of an attacker on
// the right are those of the left turned round.
host::gdi::Bitmap DrawEffect(const PictureBudget& record) {
    host::gdi::Bitmap bitmap(record.width, record.height);
    std::string_view base = record.name;
    const bool right = base.ends_with("右"), left = base.ends_with("左");
    if (right || left) base.remove_suffix(std::string_view("右").size());
    EffectPainter painter = StrikePainter(base);
    if (!painter) painter = ElementPainter(base);
    if (!painter) throw std::logic_error("no effect painter for " + std::string(record.name));
    const int w = record.frameWidth(), h = record.frameHeight();
    for (int i = 0; i < record.frames; ++i) {
        // Each frame on its own, so nothing spills into its neighbours.
        host::gdi::Bitmap frameBitmap(w, h);
        Canvas canvas(frameBitmap, Keying::Keyed);
        EffectFrame frame{canvas, 0, 0, double(w), double(h), i, record.frames, nameSeed(base)};
        painter(frame);
        paste(bitmap, frameBitmap, record.layout == FrameLayout::Horizontal ? i * w : 0,
              record.layout == FrameLayout::Vertical ? i * h : 0);
    }
    return right ? mirrored(bitmap) : bitmap;
}

} // namespace tools
