#pragma once

#include "host/runtime/global.h"
#include "host/sound/backend.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace host::sound {

// The sound library the sound manager calls: sounds addressed by the
// caller's ids, played by the installed backend. STInit installs the one the
// installed audio device opens; tests install a NullBackend directly. Every
// call made with no backend installed (before STInit, after STEnd) does
// nothing and answers 0 or false.
//
// The constant arguments of the calls (the flags of STInit, STReadOggBytes,
// STReadBytes and STStop, the start and mode of STPlayEx) have no meaning
// here; callers pass 0, or 2 where the call takes a mode.

// What STInit opens. The game installs the SDL2_mixer device at start-up;
// without an installed device (tests, tools) sounds are kept silently.
class AudioDevice {
  public:
    virtual ~AudioDevice() = default;
    // The opened device, or null with the reason in `error`.
    virtual std::unique_ptr<Backend> open(std::string& error) = 0;
};

inline constinit runtime::Global<AudioDevice> installedAudioDevice{"audio device"};
inline constinit runtime::Global<Backend> installedBackend{"sound backend"};

// Opens the installed audio device; without one, or when it fails, sounds
// are kept silently and one line on standard error says so. Answers whether
// audio is heard.
bool STInit(const void* window, std::int32_t flags);
void STEnd();

// Music: the Ogg Vorbis stream is the whole of `stream`.
bool STReadOggBytes(std::int32_t id, std::span<const std::uint8_t> stream, std::int32_t flags);
// Effect: a WAV file at the start of `bytes`, which may run on past it (to
// the end of the caller's buffer); its length comes from its own header.
bool STReadBytes(std::int32_t id, std::span<const std::uint8_t> bytes, std::int32_t flags);

bool STLoop(std::int32_t id);
bool STPlayEx(std::int32_t id, std::int32_t start, std::int32_t volume, std::int32_t mode);
bool STStop(std::int32_t id, std::int32_t flags);
std::int32_t STNumPlaying(std::int32_t id);
bool STSetVolume(std::int32_t id, std::int32_t volume);

} // namespace host::sound
