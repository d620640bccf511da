#pragma once

// The error log beside the program. The facade's developer appender and the
// form runtime's report of a failed event handler both append to it.
inline constexpr const char* kErrorLogPath = "\\error.log";
