#pragma once

#include <cstdint>
#include <span>

namespace host::sound {

// What plays the sounds: the SDL2_mixer device or the silent recorder.
// Sounds are addressed by the caller's ids; volumes are on the settings
// scale (0..100, 0 or less silent). Loading takes a copy of the bytes.
class Backend {
  public:
    virtual ~Backend() = default;

    virtual bool loadMusic(std::int32_t id, std::span<const std::uint8_t> ogg) = 0;
    virtual bool loadEffect(std::int32_t id, std::span<const std::uint8_t> wav) = 0;
    // Plays the sound over and over at its own volume until stopped.
    virtual bool loop(std::int32_t id) = 0;
    // Plays the sound once at this volume, leaving its own volume as it is.
    virtual bool playOnce(std::int32_t id, std::int32_t volume) = 0;
    virtual bool stop(std::int32_t id) = 0;
    virtual std::int32_t numPlaying(std::int32_t id) = 0;
    // The sound's own volume, applied at once to what of it is playing.
    virtual bool setVolume(std::int32_t id, std::int32_t volume) = 0;
};

} // namespace host::sound
