#include "students/scouts/cls_scout_data.h"

#include "host/runtime/saturate.h"

std::int32_t clsScoutData::Salary() const {
    std::int64_t fee = (std::int64_t{occupation_} - 1) * 3000 + std::int64_t{ability_} * 50 +
                       (6 - std::int64_t{age_}) * 300 + std::int64_t{number_ / 2} * 400;
    if (ability_ % 2 == 1) fee += 50;
    return host::runtime::saturate32(fee);
}
