#pragma once

#include <cstdint>
#include <string>

// One day of the kingdom calendar, as DateChenge and GetDate hand it out.
class clsDateDetails {
  public:
    std::string DayofWeek;
    std::int16_t Year = 0;
    std::int16_t Month = 0;
    std::int16_t Day = 0;
};
