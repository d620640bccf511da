#include "host/text/case.h"

#include "host/text/width.h"

namespace host::text {

namespace {

std::string mapAscii(std::string_view s, char first, char last, int shift) {
    std::string out(s);
    for (char& c : out)
        if (c >= first && c <= last) c = static_cast<char>(c + shift);
    return out;
}

} // namespace

std::string LCase(std::string_view s) {
    return mapAscii(s, 'A', 'Z', 'a' - 'A');
}

std::string UCase(std::string_view s) {
    return mapAscii(s, 'a', 'z', 'A' - 'a');
}

std::string foldCaseWidth(std::string_view s) {
    return LCase(toNarrow(s));
}

} // namespace host::text
