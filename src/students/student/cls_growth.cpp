#include "students/student/cls_growth.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

std::int16_t clsGrowth::Value(std::int16_t Month) const {
    if (Month < 1 || Month > 12) return 0;
    return fromApril_[(Month + 8) % 12];
}

void clsGrowth::SetData(std::string_view row) {
    auto fields = host::runtime::SplitFields(row, ",", 2 + fromApril_.size(), "growth row");
    std::array<std::int16_t, 12> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = host::runtime::CInt(std::string_view(fields[2 + i]));
    std::int16_t age = host::runtime::CInt(std::string_view(fields[1]));
    growthType_ = host::text::toNarrow(fields[0]);
    age_ = age;
    fromApril_ = values;
}
