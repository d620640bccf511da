#include "state/save/save_parts.h"

#include <algorithm>

namespace {

constexpr std::string_view kEnding = "Ending";
constexpr char kSeparator = ',';

} // namespace

std::string_view savePartLabel(SavePart part) {
    switch (part) {
    case SavePart::System:
        return "学校";
    case SavePart::Scout:
        return "スカウト";
    case SavePart::Trade:
        return "景気";
    case SavePart::Company:
        return "会社";
    case SavePart::Arbeit:
        return "アルバイト";
    case SavePart::Lines:
        return "モンスター";
    case SavePart::Teacher:
        return "教師";
    case SavePart::Item:
        return "アイテム";
    case SavePart::Student:
        return "生徒";
    }
    return "";
}

std::string joinSaveBody(const SaveParts& parts) {
    std::string body;
    for (const std::string& part : parts)
        body.append(part) += kSeparator;
    return body.append(kEnding);
}

ReadSaveParts splitSaveBody(std::string_view body) {
    // The separators are counted before any part is copied out.
    const auto pieces = static_cast<std::size_t>(std::count(body.begin(), body.end(), kSeparator)) + 1;
    if (pieces != kSavePartCount + 1)
        return {std::nullopt, "データが壊れています（部分の数 " + std::to_string(pieces) + "、正しくは " +
                                  std::to_string(kSavePartCount + 1) + "）"};
    SaveParts parts;
    for (std::string& part : parts) {
        const std::size_t end = body.find(kSeparator);
        part = body.substr(0, end);
        body.remove_prefix(end + 1);
    }
    if (body != kEnding) return {std::nullopt, "データが途中で切れているか、壊れています"};
    return {std::move(parts), ""};
}
