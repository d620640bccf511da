#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace host::runtime {

// Text to number, locale-free ("." is always the decimal point). Surrounding
// spaces are allowed. Text that is not a number raises type mismatch (13);
// a number that does not fit the type raises overflow (6).
double CDbl(std::string_view text);
float CSng(std::string_view text);
std::int16_t CInt(std::string_view text);
std::int32_t CLng(std::string_view text);

// "True"/"False" in any letter case, or a number (0 is False).
bool CBool(std::string_view text);

std::string CStr(double value); // 15 significant digits, E-notation like "1E-05"
std::string CStr(float value);  // 7 significant digits
std::string CStr(std::int64_t value);
inline std::string CStr(std::int32_t value) {
    return CStr(static_cast<std::int64_t>(value));
}
inline std::string CStr(std::int16_t value) {
    return CStr(static_cast<std::int64_t>(value));
}
std::string CStr(bool value);

// Optional sign, digits, optional decimal part; surrounding spaces allowed.
bool IsNumeric(std::string_view text);

// Format with a mask of zeros ("00", "0000"): the value rounded half away from
// zero and padded with zeros to the mask's width.
std::string FormatZeros(double value, std::string_view mask);

// Format a local time with "yyyy", "mm", "dd", "hh", "nn"/"mm" after "hh:", "ss".
std::string FormatDateTime(const std::tm& time, std::string_view mask);

} // namespace host::runtime
