#include "tools/assets/picture_generators.h"
#include "tools/assets/pictures/scenes.h"

#include <stdexcept>
#include <string>

namespace tools {

using namespace pictures;

host::gdi::Bitmap DrawBackground(const PictureBudget& record) {
    host::gdi::Bitmap bitmap(record.width, record.height);
    ScenePainter painter = OutdoorScene(record.name);
    if (!painter) painter = SchoolScene(record.name);
    if (!painter) painter = TownScene(record.name);
    if (!painter) throw std::logic_error("no scene for " + std::string(record.name));
    Canvas canvas(bitmap, Keying::Opaque);
    painter(canvas, nameSeed(record.name));
    return bitmap;
}

} // namespace tools
