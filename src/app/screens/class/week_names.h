#pragma once

#include <string>
#include <vector>

// The weekday names "月" to "金", index 0 to 4: filled by the class screen's
// builder at start-up, empty before it.
inline std::vector<std::string> gWeekNames;
