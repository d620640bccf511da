#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The business cycle: boom levels 0 (panic) to 10 (bubble), generated a whole
// cycle of 37 to 73 levels at a time, each from the three before it. Every
// share-price day moves one level on and yields the level's word and a
// share-price change in percent.
class clsTrade {
  public:
    // The word of the current level's band; "" outside 0..10.
    std::string GetBoomName() const;
    // This step's share-price change in percent, by the current level and
    // the direction from the previous one.
    std::int16_t GetStockPrice() const;
    // One level on; a used-up cycle is followed by a new one seeded with its
    // last three levels.
    void BoomNext();
    // "BoomIndex:PrevBoomLevel:level0:level1:...", read whole or not at all:
    // a bad number, a level outside 0..10, fewer than the three levels that
    // seed the next cycle or an index past the last level raises the
    // runtime's error and changes nothing.
    void SetSaveData(std::string_view text);
    std::string GetSaveData() const;
    // A new cycle seeded by three levels "P:Q:R", oldest first; a seed that
    // is not three levels of 0..10 raises the runtime's error and changes nothing.
    void CreateBoom(std::string_view text);

    // The level after P (oldest), Q and R (newest): one draw of 0..25, then
    // the first case that fits.
    static std::int16_t NextBoomLevel(std::int16_t P, std::int16_t Q, std::int16_t R);

    const std::vector<std::int16_t>& BoomLevels() const { return BoomLevels_; }
    std::int16_t BoomIndex() const { return BoomIndex_; }
    std::int16_t PrevBoomLevel() const { return PrevBoomLevel_; }

  private:
    // The level at BoomIndex; before the first cycle, the subscript error.
    std::int16_t currentLevel() const;

    std::vector<std::int16_t> BoomLevels_;
    std::int16_t BoomIndex_ = 0;
    std::int16_t PrevBoomLevel_ = 0;
};
