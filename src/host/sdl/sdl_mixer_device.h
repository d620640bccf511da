#pragma once

#include "host/sound/sound_library.h"

namespace host::sdl {

// The audio device through SDL2_mixer: music streamed from Ogg Vorbis,
// effects from WAV, one mixer channel volume per play.
class SdlMixerDevice : public sound::AudioDevice {
  public:
    std::unique_ptr<sound::Backend> open(std::string& error) override;
};

} // namespace host::sdl
