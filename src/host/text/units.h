#pragma once

#include <string>
#include <string_view>

namespace host::text {

// Lengths and positions count UTF-16 code units, as the game's texts are
// measured; positions are 1-based. A cut through a surrogate pair leaves
// U+FFFD for the half that is kept. A start below 1 or a negative length
// throws RuntimeError (InvalidCall).

int Len(std::string_view s);
std::string Mid(std::string_view s, int start);
std::string Mid(std::string_view s, int start, int length);
std::string Left(std::string_view s, int length);
std::string Right(std::string_view s, int length);

// Position of the first needle in s, 0 when absent; an empty needle is found
// at 1 in any non-empty text.
int InStr(std::string_view s, std::string_view needle);

// -1, 0 or 1, comparing UTF-16 code unit by code unit (case-sensitive, no
// locale collation).
int compare(std::string_view a, std::string_view b);

} // namespace host::text
