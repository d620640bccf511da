#include "host/sound/sound_library.h"

#include "host/sound/null_backend.h"
#include "host/sound/riff.h"
#include "host/sound/sdl_mixer_backend.h"

#include <iostream>
#include <string>

namespace host::sound {
namespace {

std::unique_ptr<Backend>& active() {
    static std::unique_ptr<Backend> backend;
    return backend;
}

} // namespace

void installBackend(std::unique_ptr<Backend> backend) {
    active().reset();
    active() = std::move(backend);
}

bool STInit(const void*, std::int32_t) {
    installBackend(nullptr);
    std::string error;
    auto device = openSdlMixerBackend(error);
    if (device) {
        installBackend(std::move(device));
        return true;
    }
    std::cerr << "sound: no audio device (" << error << "), playing silently\n";
    installBackend(std::make_unique<NullBackend>());
    return false;
}

void STEnd() {
    installBackend(nullptr);
}

bool STReadOggBytes(std::int32_t id, std::span<const std::uint8_t> stream, std::int32_t) {
    return active() && active()->loadMusic(id, stream);
}

bool STReadBytes(std::int32_t id, std::span<const std::uint8_t> bytes, std::int32_t) {
    const auto length = riffLength(bytes);
    return active() && length && active()->loadEffect(id, bytes.first(*length));
}

bool STLoop(std::int32_t id) {
    return active() && active()->loop(id);
}

bool STPlayEx(std::int32_t id, std::int32_t, std::int32_t volume, std::int32_t) {
    return active() && active()->playOnce(id, volume);
}

bool STStop(std::int32_t id, std::int32_t) {
    return active() && active()->stop(id);
}

std::int32_t STNumPlaying(std::int32_t id) {
    return active() ? active()->numPlaying(id) : 0;
}

bool STSetVolume(std::int32_t id, std::int32_t volume) {
    return active() && active()->setVolume(id, volume);
}

} // namespace host::sound
