#pragma once

#include "battle/tournament/bracket.h"

#include <cstdint>
#include <vector>

// The heights of the upper and the lower incoming line of each match of a
// bracket drawn height pixels high: set for every round below the first, the
// final's both at the middle.
struct IncomingLines {
    std::int32_t Y1 = 0;
    std::int32_t Y2 = 0;
};

std::vector<IncomingLines> incomingLines(const std::vector<bracket::Match>& matches, std::int32_t height);
