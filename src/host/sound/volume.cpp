#include "host/sound/volume.h"

#include <algorithm>

namespace host::sound {

int mixerVolume(std::int32_t volume) {
    constexpr std::int64_t full = 128;
    const std::int64_t scaled = std::int64_t{volume} * full / 100;
    return static_cast<int>(std::clamp<std::int64_t>(scaled, 0, full));
}

} // namespace host::sound
