#pragma once

#include <cstdint>
#include <string_view>

// The prize for winning a tournament at one school rank (a section-30 row).
class clsPrize {
  public:
    // "rank,kingdom points,money". A short row or a column that does not
    // convert raises the runtime's error and changes nothing.
    void SetData(std::string_view row);
    std::int32_t Rank() const { return rank_; }
    std::int16_t KingdomPoint() const { return kingdomPoint_; }
    std::int32_t Money() const { return money_; }

  private:
    std::int32_t rank_ = 0;
    std::int16_t kingdomPoint_ = 0;
    std::int32_t money_ = 0;
};
