#pragma once

#include "host/sound/backend.h"

#include <cstdint>
#include <memory>
#include <span>

namespace host::sound {

// The sound library the sound manager calls: sounds addressed by the
// caller's ids, played by one backend chosen at STInit. Every call made
// before STInit or after STEnd does nothing and answers 0 or false.
//
// The constant arguments of the calls (the flags of STInit, STReadOggBytes,
// STReadBytes and STStop, the start and mode of STPlayEx) have no meaning
// here; callers pass 0, or 2 where the call takes a mode.

// Opens the audio device; without one, sounds are kept silently and one
// line on standard error says so. Answers whether audio is heard.
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

// Makes `backend` the one the calls reach (tests install a NullBackend);
// null ends the library like STEnd.
void installBackend(std::unique_ptr<Backend> backend);

} // namespace host::sound
