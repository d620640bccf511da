#pragma once

#include "platform/sound/cls_sound.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The game's music and sound effects by name. At most one music sound is
// started at a time; music plays at BGMVolume, effects at SEVolume, and a
// volume of 0 or less is silent.
class clsMngSound {
  public:
    clsMngSound();

    const std::string& GetBGMName() const { return bgmName_; }
    void SetForceMute(bool pFLG) { forceMute_ = pFLG; }
    // The sound of a control event: 0 click, 1 mouse-over, 2 scroll, 4 sort.
    void GControlPlay(std::int32_t SoundType);
    // Stops the first music sound that is playing.
    void BGMStop();
    // True when exactly one instance of the sound is playing.
    bool ISPlay(const std::string& SoundName);
    void SoundPlay(const std::string& SoundName);
    // Registers the bytes Low..High of arrByt under the next id; False when
    // the name is already taken (names compared exactly).
    bool AddSound(const std::string& SoundName, const std::vector<std::uint8_t>& arrByt,
                  std::int32_t SoundType, std::int32_t Low, std::int32_t High);

    std::int32_t SEVolume() const { return seVolume_; }
    void SEVolume(std::int32_t value) { seVolume_ = value; }
    std::int32_t BGMVolume() const { return bgmVolume_; }
    // Also becomes the volume of every music sound, playing or not.
    void BGMVolume(std::int32_t value);

  private:
    // The sound of that name; raises the invalid-call error when there is none.
    clsSound& find(const std::string& SoundName);

    std::vector<std::unique_ptr<clsSound>> sounds_;
    std::int32_t lastID_ = 0;
    std::int32_t seVolume_ = 0;
    std::int32_t bgmVolume_ = 0;
    bool forceMute_ = false;
    std::string bgmName_;
};
