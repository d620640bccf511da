#include "host/runtime/strings.h"

#include "host/runtime/runtime_error.h"

namespace host::runtime {

std::vector<std::string> Split(std::string_view text, std::string_view delimiter, int limit) {
    std::vector<std::string> parts;
    if (text.empty() || limit == 0) return parts;
    if (delimiter.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    std::size_t start = 0;
    while (limit < 0 || static_cast<int>(parts.size()) < limit - 1) {
        std::size_t at = text.find(delimiter, start);
        if (at == std::string_view::npos) break;
        parts.emplace_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

std::vector<std::string> SplitFields(std::string_view text, std::string_view delimiter, std::size_t minimum,
                                     std::string_view what, int limit) {
    auto parts = Split(text, delimiter, limit);
    if (parts.size() < minimum)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                           std::string(what) + " has fewer than " + std::to_string(minimum) + " fields");
    return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += delimiter;
        out += parts[i];
    }
    return out;
}

namespace {

// Length of the UTF-8 sequence that starts with this byte.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

bool likeFrom(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return text.empty();
    if (pattern.front() == '*') {
        std::string_view rest = pattern.substr(1);
        for (std::size_t i = 0;; i += sequenceLength(static_cast<unsigned char>(text[i]))) {
            if (likeFrom(text.substr(std::min(i, text.size())), rest)) return true;
            if (i >= text.size()) return false;
        }
    }
    if (text.empty()) return false;
    std::size_t textStep = sequenceLength(static_cast<unsigned char>(text.front()));
    if (pattern.front() == '?')
        return likeFrom(text.substr(std::min(textStep, text.size())), pattern.substr(1));
    std::size_t patternStep = sequenceLength(static_cast<unsigned char>(pattern.front()));
    if (text.substr(0, textStep) != pattern.substr(0, patternStep)) return false;
    return likeFrom(text.substr(std::min(textStep, text.size())),
                    pattern.substr(std::min(patternStep, pattern.size())));
}

} // namespace

bool Like(std::string_view text, std::string_view pattern) {
    return likeFrom(text, pattern);
}

std::string Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace host::runtime
