#include "host/runtime/convert.h"

#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace host::runtime {

namespace {

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void typeMismatch(std::string_view text) {
    throw RuntimeError(ErrorNumber::TypeMismatch, "\"" + std::string(text) + "\" is not a number");
}

std::string upperExponent(std::string text) {
    // to_chars writes "1e-05"; the runtime writes "1E-05".
    auto e = text.find('e');
    if (e != std::string::npos) text[e] = 'E';
    return text;
}

template <class T> std::string formatGeneral(T value, int digits) {
    if (value == 0) return "0";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return upperExponent(std::string(buffer, result.ptr));
}

} // namespace

double CDbl(std::string_view text) {
    std::string_view body = trimSpaces(text);
    if (body.empty()) typeMismatch(text);
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    if (body.empty() || body.front() == '+' || body.front() == '-') typeMismatch(text);
    double value = 0;
    auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error == std::errc::result_out_of_range) throw RuntimeError(ErrorNumber::Overflow, std::string(text));
    if (error != std::errc() || end != body.data() + body.size()) typeMismatch(text);
    if (std::isinf(value) || std::isnan(value)) typeMismatch(text);
    return negative ? -value : value;
}

float CSng(std::string_view text) {
    double value = CDbl(text);
    if (std::fabs(value) > std::numeric_limits<float>::max())
        throw RuntimeError(ErrorNumber::Overflow, std::string(text));
    return static_cast<float>(value);
}

std::int16_t CInt(std::string_view text) {
    return CInt(CDbl(text));
}

std::int32_t CLng(std::string_view text) {
    return CLng(CDbl(text));
}

bool CBool(std::string_view text) {
    std::string_view body = trimSpaces(text);
    std::string lower(body);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true") return true;
    if (lower == "false") return false;
    return CDbl(text) != 0.0;
}

std::string CStr(double value) {
    return formatGeneral(value, 15);
}

std::string CStr(float value) {
    return formatGeneral(value, 7);
}

std::string CStr(std::int64_t value) {
    return std::to_string(value);
}

std::string CStr(bool value) {
    return value ? "True" : "False";
}

bool IsNumeric(std::string_view text) {
    std::string_view body = trimSpaces(text);
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
    bool digits = false;
    bool point = false;
    for (char c : body) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::string FormatZeros(double value, std::string_view mask) {
    double rounded = std::round(value);
    bool negative = rounded < 0;
    std::string digits = std::to_string(static_cast<std::int64_t>(std::fabs(rounded)));
    if (digits.size() < mask.size()) digits.insert(0, mask.size() - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

std::string FormatDateTime(const std::tm& time, std::string_view mask) {
    std::string out;
    bool afterHour = false;
    auto two = [&out](int v) { out += FormatZeros(v, "00"); };
    for (std::size_t i = 0; i < mask.size();) {
        std::string_view rest = mask.substr(i);
        if (rest.starts_with("yyyy")) {
            out += FormatZeros(time.tm_year + 1900, "0000");
            i += 4;
        } else if (rest.starts_with("hh")) {
            two(time.tm_hour);
            afterHour = true;
            i += 2;
        } else if (rest.starts_with("nn") || (afterHour && rest.starts_with("mm"))) {
            two(time.tm_min);
            afterHour = false;
            i += 2;
        } else if (rest.starts_with("mm")) {
            two(time.tm_mon + 1);
            i += 2;
        } else if (rest.starts_with("dd")) {
            two(time.tm_mday);
            i += 2;
        } else if (rest.starts_with("ss")) {
            two(time.tm_sec);
            i += 2;
        } else {
            out += mask[i];
            ++i;
        }
    }
    return out;
}

} // namespace host::runtime
