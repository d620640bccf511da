#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One sound registered with the sound library under the manager's id.
class clsSound {
  public:
    static constexpr std::int32_t MusicType = 1;
    static constexpr std::int32_t EffectType = 2;

    // Keeps its own copy of arrByt and registers it with the library: music
    // from byte Low for BGMSize bytes, an effect from byte 0 (its length is in
    // its own header). Other types are stored only. A music range outside the
    // copy registers nothing, so nothing is read past it.
    void AddSound(const std::string& SoundName, std::int32_t SoundID, const std::vector<std::uint8_t>& arrByt,
                  std::int32_t SoundType, std::int32_t Low, std::int32_t BGMSize);
    // Music loops (the volume is not used); an effect plays once at SEVolume.
    void SoundPlay(std::int32_t SEVolume);

    std::int32_t SoundType() const { return soundType_; }
    const std::vector<std::uint8_t>& Sound() const { return sound_; }
    std::int32_t SoundID() const { return soundID_; }
    const std::string& SoundName() const { return soundName_; }

  private:
    std::string soundName_;
    std::int32_t soundID_ = 0;
    std::int32_t soundType_ = 0;
    std::vector<std::uint8_t> sound_;
    std::int32_t low_ = 0;
    std::int32_t bgmSize_ = 0;
};
