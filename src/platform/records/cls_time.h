#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Play time as hours, minutes and seconds; texts show at most 9999 hours.
class clsTime {
  public:
    // "H:M:S"; a part that is not a number raises type mismatch, fewer than
    // three parts the subscript error, hours outside 0..9999 or minutes or
    // seconds outside 0..59 the invalid-call error. The stored time changes
    // only when the whole text is good.
    void SetInitTime(std::string_view strData);
    // The stored time plus lngSecond seconds as "H:M:S" (no leading zeros);
    // the stored time is not changed.
    std::string AddSecond(std::int32_t lngSecond) const;

  private:
    static constexpr std::int16_t kMaxHours = 9999;

    std::int16_t hours_ = 0;
    std::int16_t minutes_ = 0;
    std::int16_t seconds_ = 0;
};
