#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host::runtime {

// Split at every occurrence of the delimiter; "" gives no parts. With a limit > 0,
// at most that many parts, the last holding the rest of the text.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter, int limit = -1);

// Split for records: fails with the subscript error, naming `what`, when the
// text has fewer than `minimum` parts. A limit works as in Split.
std::vector<std::string> SplitFields(std::string_view text, std::string_view delimiter, std::size_t minimum,
                                     std::string_view what, int limit = -1);

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter);

// Pattern match with "*" (any run) and "?" (one character, counted in code points).
bool Like(std::string_view text, std::string_view pattern);

// Removes leading and trailing spaces (only the space character).
std::string Trim(std::string_view text);

} // namespace host::runtime
