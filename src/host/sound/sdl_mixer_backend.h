#pragma once

#include "host/sound/backend.h"

#include <memory>
#include <string>

namespace host::sound {

// Opens the audio device through SDL2_mixer. On failure answers null and
// tells why in `error`.
std::unique_ptr<Backend> openSdlMixerBackend(std::string& error);

} // namespace host::sound
