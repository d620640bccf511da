#pragma once

#include <cstdint>

// The kind of a grid column, carried in a column definition's TextAlign.
enum GridColumnKind : std::int32_t {
    kColumnTextLeft = 0,
    kColumnTextCentred = 1,
    kColumnTextRight = 2,
    kColumnBar = 3,
    // No column is laid out from this one on; the rows still carry its cells.
    kColumnEnd = 4,
    kColumnCheckMark = 5,
    kColumnPicture = 6,
};
