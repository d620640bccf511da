#pragma once

#include "host/sound/backend.h"

#include <map>
#include <vector>

namespace host::sound {

// Plays nothing; keeps a record of what was loaded and asked for, and counts
// playing instances itself, as a device would: one music stream at a time,
// effects adding up until stopped or marked finished.
class NullBackend final : public Backend {
  public:
    enum class Kind { Music, Effect };
    struct Sound {
        Kind kind;
        std::vector<std::uint8_t> bytes;
        std::int32_t volume = 100;
        std::int32_t playing = 0;
    };
    enum class Action { Loop, PlayOnce, Stop, SetVolume };
    struct Call {
        Action action;
        std::int32_t id;
        std::int32_t volume = 0; // PlayOnce and SetVolume only
        bool operator==(const Call&) const = default;
    };

    bool loadMusic(std::int32_t id, std::span<const std::uint8_t> ogg) override;
    bool loadEffect(std::int32_t id, std::span<const std::uint8_t> wav) override;
    bool loop(std::int32_t id) override;
    bool playOnce(std::int32_t id, std::int32_t volume) override;
    bool stop(std::int32_t id) override;
    std::int32_t numPlaying(std::int32_t id) override;
    bool setVolume(std::int32_t id, std::int32_t volume) override;

    // The loaded sound under this id, or null.
    const Sound* sound(std::int32_t id) const;
    // Every call after loading, in order, whether or not its id was loaded.
    const std::vector<Call>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    // Every instance of the sound has played to its end.
    void finish(std::int32_t id);

  private:
    bool load(std::int32_t id, Kind kind, std::span<const std::uint8_t> bytes);
    bool start(std::int32_t id);

    std::map<std::int32_t, Sound> sounds_;
    std::vector<Call> calls_;
};

} // namespace host::sound
