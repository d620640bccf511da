#pragma once

#include <cstdint>

namespace host::sound {

// Settings-scale volume (100 full, 0 or less silent) to SDL_mixer's 0..128.
int mixerVolume(std::int32_t volume);

} // namespace host::sound
