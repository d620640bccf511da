#pragma once

#include <cstdint>
#include <string>

// One attack animation of the effect table: its picture (one for both sides,
// or one per side named with "左" or "右"), whether it covers the field or
// plays on each target cell, how its frames lie, how many there are and the
// sound it starts with.
class clsBattleEffect {
  public:
    const std::string& EffectName() const { return effectName_; }
    bool Common() const { return common_; }
    bool Whole() const { return whole_; }
    // 1: frames stacked top to bottom; anything else: side by side.
    std::int16_t ImageType() const { return imageType_; }
    std::int16_t Count() const { return count_; }
    const std::string& Sound() const { return sound_; }

    // Reads "name,common,whole,imagetype,count,sound"; the name is widened.
    // Fewer fields raise the subscript error (9), a bad number or flag the
    // type-mismatch error (13).
    void SetData(const std::string& strData);

  private:
    std::string effectName_;
    bool common_ = false;
    bool whole_ = false;
    std::int16_t imageType_ = 0;
    std::int16_t count_ = 0;
    std::string sound_;
};
