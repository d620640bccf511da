#include "battle/records/cls_school.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <array>

std::int16_t clsSchool::BasePoint() const {
    static constexpr std::array<std::int16_t, 8> kByRank = {10, 20, 35, 45, 55, 65, 75, 76};
    if (rank_ < 0 || rank_ >= static_cast<std::int16_t>(kByRank.size())) return 0;
    return kByRank[static_cast<std::size_t>(rank_)];
}

void clsSchool::SetData(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 4, "rival school row \"" + std::string(row) + "\"");
    const std::int16_t rank = host::runtime::CInt(f[1]);
    const std::int16_t understanding = host::runtime::CInt(f[3]);
    schoolName_ = host::text::toWide(f[0]);
    rank_ = rank;
    lineName_ = host::text::toWide(f[2]);
    understanding_ = understanding;
}
