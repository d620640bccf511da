#include "host/sound/null_backend.h"

namespace host::sound {

bool NullBackend::load(std::int32_t id, Kind kind, std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return false;
    sounds_[id] = Sound{kind, {bytes.begin(), bytes.end()}};
    return true;
}

bool NullBackend::loadMusic(std::int32_t id, std::span<const std::uint8_t> ogg) {
    return load(id, Kind::Music, ogg);
}

bool NullBackend::loadEffect(std::int32_t id, std::span<const std::uint8_t> wav) {
    return load(id, Kind::Effect, wav);
}

bool NullBackend::start(std::int32_t id) {
    const auto it = sounds_.find(id);
    if (it == sounds_.end()) return false;
    if (it->second.kind == Kind::Effect) {
        ++it->second.playing;
        return true;
    }
    for (auto& [otherId, other] : sounds_) {
        if (other.kind == Kind::Music) other.playing = 0;
    }
    it->second.playing = 1;
    return true;
}

bool NullBackend::loop(std::int32_t id) {
    calls_.push_back({Action::Loop, id});
    return start(id);
}

bool NullBackend::playOnce(std::int32_t id, std::int32_t volume) {
    calls_.push_back({Action::PlayOnce, id, volume});
    return start(id);
}

bool NullBackend::stop(std::int32_t id) {
    calls_.push_back({Action::Stop, id});
    const auto it = sounds_.find(id);
    if (it == sounds_.end()) return false;
    it->second.playing = 0;
    return true;
}

std::int32_t NullBackend::numPlaying(std::int32_t id) {
    const auto it = sounds_.find(id);
    return it == sounds_.end() ? 0 : it->second.playing;
}

bool NullBackend::setVolume(std::int32_t id, std::int32_t volume) {
    calls_.push_back({Action::SetVolume, id, volume});
    const auto it = sounds_.find(id);
    if (it == sounds_.end()) return false;
    it->second.volume = volume;
    return true;
}

const NullBackend::Sound* NullBackend::sound(std::int32_t id) const {
    const auto it = sounds_.find(id);
    return it == sounds_.end() ? nullptr : &it->second;
}

void NullBackend::finish(std::int32_t id) {
    const auto it = sounds_.find(id);
    if (it != sounds_.end()) it->second.playing = 0;
}

} // namespace host::sound
