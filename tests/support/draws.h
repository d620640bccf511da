#pragma once

#include <vector>

namespace testsupport {

// The draw r that makes RandomInt(lo, hi) give value; any draw does when lo is hi.
inline float drawFor(int lo, int hi, int value) {
    if (hi == lo) return 0.0f;
    return static_cast<float>(value - lo) / static_cast<float>(hi - lo);
}

// A draw of RandomInt(lo, hi) and the value it is to give.
struct Draw {
    int lo;
    int hi;
    int value;
};

// The draws that make successive RandomInt calls give these values.
inline std::vector<float> drawsFor(const std::vector<Draw>& draws) {
    std::vector<float> values;
    for (const Draw& d : draws)
        values.push_back(drawFor(d.lo, d.hi, d.value));
    return values;
}

} // namespace testsupport
