#pragma once

#include "grids/columns/cls_gg_ver2_headers.h"
#include "grids/columns/column_kinds.h"

#include <memory>
#include <string>
#include <vector>

namespace gridtest {

struct ColumnShape {
    std::int32_t kind;
    std::int16_t width;
    std::int16_t minor = 0;
    std::int16_t major = 100;
};

// A column set "test" with the given columns, handed out as a grid takes it.
inline std::shared_ptr<const GGVer2HeaderCollection> columns(const std::vector<ColumnShape>& shapes) {
    clsGGVer2Headers registry;
    std::int16_t index = 0;
    for (const ColumnShape& shape : shapes) {
        ++index;
        registry.Add("test", std::string("c").append(std::to_string(index)), shape.kind, index, shape.width,
                     "", shape.minor, shape.major, nullptr, nullptr);
    }
    return registry.GetHeaders("test");
}

// The check column of the game's sets: 25 wide, a 10 x 20 picture.
inline const ColumnShape kCheck{kColumnCheckMark, 25, 10, 20};

} // namespace gridtest
