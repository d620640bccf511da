#pragma once

#include "tools/assets/pictures/scenery.h"

#include <string_view>

// One painter per background: it fills the whole 800 x 600 canvas.
namespace tools::pictures {

using ScenePainter = void (*)(Canvas&, std::uint32_t seed);

// Null for a name without a painter of that group.
ScenePainter OutdoorScene(std::string_view name);
ScenePainter SchoolScene(std::string_view name);
ScenePainter TownScene(std::string_view name);

} // namespace tools::pictures
