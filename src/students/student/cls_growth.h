#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One row of the growth table: a growth type at one age and its growth value
// for each month.
class clsGrowth {
  public:
    // Half-width, the form students keep their growth type in.
    const std::string& GrowthType() const { return growthType_; }
    std::int16_t Age() const { return age_; }
    // The value for month 1..12; 0 for any other month.
    std::int16_t Value(std::int16_t Month) const;
    // "type,age,April,May,...,December,January,February,March". Fewer than
    // 14 fields or a bad number fail with the runtime's error and change nothing.
    void SetData(std::string_view row);

  private:
    std::string growthType_;
    std::int16_t age_ = 0;
    std::array<std::int16_t, 12> fromApril_{};
};
