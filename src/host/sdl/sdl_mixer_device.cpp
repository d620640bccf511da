#include "host/sdl/sdl_mixer_device.h"

#include "host/sound/volume.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace host::sdl {
namespace {

using sound::Backend;
using sound::mixerVolume;

constexpr int channelCount = 16;

struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};
struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

// Music streams from its bytes while it plays, so it keeps them.
struct Music {
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<Mix_Music, MusicDeleter> stream;
    std::int32_t volume = 100;
};

struct Effect {
    std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk;
    std::int32_t volume = 100;
};

// SDL reads memory through an int-sized length.
bool fitsMemoryRead(std::span<const std::uint8_t> bytes) {
    return !bytes.empty() && bytes.size() <= static_cast<std::size_t>(std::numeric_limits<int>::max());
}

class SdlMixerBackend final : public Backend {
  public:
    SdlMixerBackend() : owner_(static_cast<std::size_t>(Mix_AllocateChannels(-1))) {}

    ~SdlMixerBackend() override {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        effects_.clear();
        music_.clear();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool loadMusic(std::int32_t id, std::span<const std::uint8_t> ogg) override {
        unload(id);
        if (!fitsMemoryRead(ogg)) return false;
        Music music{{ogg.begin(), ogg.end()}, nullptr};
        SDL_RWops* source = SDL_RWFromConstMem(music.bytes.data(), static_cast<int>(music.bytes.size()));
        if (source == nullptr) return false;
        music.stream.reset(Mix_LoadMUSType_RW(source, MUS_OGG, 1));
        if (!music.stream) return false;
        music_.emplace(id, std::move(music));
        return true;
    }

    bool loadEffect(std::int32_t id, std::span<const std::uint8_t> wav) override {
        unload(id);
        if (!fitsMemoryRead(wav)) return false;
        SDL_RWops* source = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
        if (source == nullptr) return false;
        Effect effect{std::unique_ptr<Mix_Chunk, ChunkDeleter>(Mix_LoadWAV_RW(source, 1))};
        if (!effect.chunk) return false;
        effects_.emplace(id, std::move(effect));
        return true;
    }

    bool loop(std::int32_t id) override {
        if (auto* music = findMusic(id)) return playMusic(id, *music, -1, music->volume);
        if (auto* effect = findEffect(id)) return playEffect(id, *effect, -1, effect->volume);
        return false;
    }

    bool playOnce(std::int32_t id, std::int32_t volume) override {
        if (auto* music = findMusic(id)) return playMusic(id, *music, 1, volume);
        if (auto* effect = findEffect(id)) return playEffect(id, *effect, 0, volume);
        return false;
    }

    bool stop(std::int32_t id) override {
        if (findMusic(id) != nullptr) {
            if (playingMusic_ == id) {
                Mix_HaltMusic();
                playingMusic_.reset();
            }
            return true;
        }
        if (findEffect(id) == nullptr) return false;
        forPlayingChannels(id, [](int channel) { Mix_HaltChannel(channel); });
        return true;
    }

    std::int32_t numPlaying(std::int32_t id) override {
        if (findMusic(id) != nullptr) return musicPlaying(id) ? 1 : 0;
        std::int32_t count = 0;
        forPlayingChannels(id, [&count](int) { ++count; });
        return count;
    }

    bool setVolume(std::int32_t id, std::int32_t volume) override {
        if (auto* music = findMusic(id)) {
            music->volume = volume;
            if (musicPlaying(id)) Mix_VolumeMusic(mixerVolume(volume));
            return true;
        }
        auto* effect = findEffect(id);
        if (effect == nullptr) return false;
        effect->volume = volume;
        forPlayingChannels(id, [volume](int channel) { Mix_Volume(channel, mixerVolume(volume)); });
        return true;
    }

  private:
    Music* findMusic(std::int32_t id) {
        const auto it = music_.find(id);
        return it == music_.end() ? nullptr : &it->second;
    }

    Effect* findEffect(std::int32_t id) {
        const auto it = effects_.find(id);
        return it == effects_.end() ? nullptr : &it->second;
    }

    bool musicPlaying(std::int32_t id) const { return playingMusic_ == id && Mix_PlayingMusic() != 0; }

    bool playMusic(std::int32_t id, Music& music, int loops, std::int32_t volume) {
        Mix_VolumeMusic(mixerVolume(volume));
        if (Mix_PlayMusic(music.stream.get(), loops) != 0) return false;
        playingMusic_ = id;
        return true;
    }

    // The channel gets its volume before it starts, so no sample plays louder.
    bool playEffect(std::int32_t id, Effect& effect, int loops, std::int32_t volume) {
        const int channel = Mix_GroupAvailable(-1);
        if (channel < 0 || static_cast<std::size_t>(channel) >= owner_.size()) return false;
        Mix_Volume(channel, mixerVolume(volume));
        if (Mix_PlayChannel(channel, effect.chunk.get(), loops) < 0) return false;
        owner_[static_cast<std::size_t>(channel)] = id;
        return true;
    }

    template <typename F> void forPlayingChannels(std::int32_t id, F each) {
        for (std::size_t channel = 0; channel < owner_.size(); ++channel) {
            if (owner_[channel] == id && Mix_Playing(static_cast<int>(channel)) != 0) {
                each(static_cast<int>(channel));
            }
        }
    }

    // A sound loaded again under an id replaces the old one.
    void unload(std::int32_t id) {
        if (findMusic(id) != nullptr) {
            stop(id);
            music_.erase(id);
        }
        if (findEffect(id) != nullptr) {
            stop(id);
            for (auto& owner : owner_) {
                if (owner == id) owner.reset();
            }
            effects_.erase(id);
        }
    }

    std::map<std::int32_t, Music> music_;
    std::map<std::int32_t, Effect> effects_;
    std::vector<std::optional<std::int32_t>> owner_; // sound last started on each channel
    std::optional<std::int32_t> playingMusic_;
};

} // namespace

std::unique_ptr<Backend> SdlMixerDevice::open(std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        error = Mix_GetError();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(channelCount);
    return std::make_unique<SdlMixerBackend>();
}

} // namespace host::sdl
