#include "host/text/units.h"

#include "host/runtime/runtime_error.h"
#include "host/text/utf.h"

#include <algorithm>

namespace host::text {

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

void requireStart(int start) {
    if (start < 1) throw RuntimeError(ErrorNumber::InvalidCall, "Mid: start below 1");
}

void requireNonNegative(int length, const char* function) {
    if (length < 0) throw RuntimeError(ErrorNumber::InvalidCall, std::string(function) + ": negative length");
}

std::string slice(std::u16string_view units, std::size_t offset, std::size_t count) {
    if (offset >= units.size()) return {};
    return utf16ToUtf8(units.substr(offset, count));
}

} // namespace

int Len(std::string_view s) {
    return static_cast<int>(utf8ToUtf16(s).size());
}

std::string Mid(std::string_view s, int start) {
    requireStart(start);
    return slice(utf8ToUtf16(s), static_cast<std::size_t>(start - 1), std::u16string_view::npos);
}

std::string Mid(std::string_view s, int start, int length) {
    requireStart(start);
    requireNonNegative(length, "Mid");
    return slice(utf8ToUtf16(s), static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}

std::string Left(std::string_view s, int length) {
    requireNonNegative(length, "Left");
    return slice(utf8ToUtf16(s), 0, static_cast<std::size_t>(length));
}

std::string Right(std::string_view s, int length) {
    requireNonNegative(length, "Right");
    std::u16string units = utf8ToUtf16(s);
    std::size_t count = std::min(units.size(), static_cast<std::size_t>(length));
    return slice(units, units.size() - count, count);
}

int InStr(std::string_view s, std::string_view needle) {
    std::u16string units = utf8ToUtf16(s);
    if (units.empty()) return 0;
    std::size_t found = units.find(utf8ToUtf16(needle));
    return found == std::u16string::npos ? 0 : static_cast<int>(found) + 1;
}

int compare(std::string_view a, std::string_view b) {
    int order = utf8ToUtf16(a).compare(utf8ToUtf16(b));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

} // namespace host::text
