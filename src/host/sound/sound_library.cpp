#include "host/sound/sound_library.h"

#include "host/sound/null_backend.h"
#include "host/sound/riff.h"

#include <iostream>
#include <string>

namespace host::sound {
namespace {

Backend* active() {
    return installedBackend.find();
}

} // namespace

bool STInit(const void*, std::int32_t) {
    STEnd();
    std::string error = "none installed";
    std::unique_ptr<Backend> opened;
    if (AudioDevice* device = installedAudioDevice.find()) opened = device->open(error);
    if (opened) {
        installedBackend.install(std::move(opened));
        return true;
    }
    std::cerr << "sound: no audio device (" << error << "), playing silently\n";
    installedBackend.install(std::make_unique<NullBackend>());
    return false;
}

void STEnd() {
    installedBackend.install(nullptr);
}

bool STReadOggBytes(std::int32_t id, std::span<const std::uint8_t> stream, std::int32_t) {
    return active() != nullptr && active()->loadMusic(id, stream);
}

bool STReadBytes(std::int32_t id, std::span<const std::uint8_t> bytes, std::int32_t) {
    const auto length = riffLength(bytes);
    return active() != nullptr && length && active()->loadEffect(id, bytes.first(*length));
}

bool STLoop(std::int32_t id) {
    return active() != nullptr && active()->loop(id);
}

bool STPlayEx(std::int32_t id, std::int32_t, std::int32_t volume, std::int32_t) {
    return active() != nullptr && active()->playOnce(id, volume);
}

bool STStop(std::int32_t id, std::int32_t) {
    return active() != nullptr && active()->stop(id);
}

std::int32_t STNumPlaying(std::int32_t id) {
    return active() != nullptr ? active()->numPlaying(id) : 0;
}

bool STSetVolume(std::int32_t id, std::int32_t volume) {
    return active() != nullptr && active()->setVolume(id, volume);
}

} // namespace host::sound
