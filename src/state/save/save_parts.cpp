#include "state/save/save_parts.h"

#include "host/runtime/strings.h"

namespace {

constexpr std::string_view kEnding = "Ending";
constexpr std::string_view kSeparator = ",";

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
        body.append(part).append(kSeparator);
    return body.append(kEnding);
}

ReadSaveParts splitSaveBody(std::string_view body) {
    auto pieces = host::runtime::Split(body, kSeparator);
    if (pieces.size() != kSavePartCount + 1)
        return {std::nullopt, "データが壊れています（部分の数 " + std::to_string(pieces.size()) +
                                  "、正しくは " + std::to_string(kSavePartCount + 1) + "）"};
    if (pieces.back() != kEnding) return {std::nullopt, "データが途中で切れているか、壊れています"};
    SaveParts parts;
    for (std::size_t i = 0; i < kSavePartCount; ++i)
        parts[i] = std::move(pieces[i]);
    return {std::move(parts), ""};
}
