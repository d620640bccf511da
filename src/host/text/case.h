#pragma once

#include <string>
#include <string_view>

namespace host::text {

// Only the ASCII letters change case; every other character is kept.
std::string LCase(std::string_view s);
std::string UCase(std::string_view s);

// Key for case- and width-insensitive matching: narrow, then lower-case.
std::string foldCaseWidth(std::string_view s);

} // namespace host::text
