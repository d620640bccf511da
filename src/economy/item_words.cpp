#include "economy/item_words.h"

#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "platform/rules/cls_method.h"

#include <array>

namespace {

int riskStep(std::int32_t value, std::int32_t lastSmall, std::int32_t lastMedium) {
    if (value == 0) return 0;
    if (value <= lastSmall) return 1;
    return value <= lastMedium ? 2 : 3;
}

// The word at position value - first of the table; "" outside it.
template <std::size_t N>
std::string wordOf(const std::array<const char*, N>& words, std::int32_t value, std::int32_t first) {
    const std::int64_t at = static_cast<std::int64_t>(value) - first;
    return at >= 0 && at < static_cast<std::int64_t>(N) ? words[static_cast<std::size_t>(at)] : "";
}

} // namespace

int consumeRiskStep(std::int32_t load) {
    return riskStep(load, 3, 6);
}

int lessonRiskStep(std::int32_t risk) {
    return riskStep(risk, 3, 10);
}

std::string riskWord(int step) {
    static constexpr std::array<const char*, 4> kWords = {"なし", "小", "中", "大"};
    return wordOf(kWords, step, 0);
}

std::string lessonEffectText(std::int32_t effect) {
    const std::int32_t method =
        Method().RangeBITWORD(effect, lesson_item::kMethodLow, lesson_item::kMethodHigh);
    const std::int32_t value = Method().RangeBITWORD(effect, lesson_item::kValueLow, lesson_item::kValueHigh);
    // The sign first and the number appended: GCC 12 at -O3 reports a false
    // overlap (-Wrestrict) for "+" + a temporary string.
    std::string text = "+";
    if (method == lesson_item::kFlat) return text += host::runtime::CStr(value);
    if (method == lesson_item::kPercent) return (text += host::runtime::CStr(value - 100)) += "%";
    return "";
}

std::string itemTypeName(std::int32_t type) {
    static constexpr std::array<const char*, 6> kWords = {
        "素材アイテム", "消費アイテム", "戦闘用アイテム", "授業用アイテム", "建物用アイテム", "チケット"};
    return wordOf(kWords, type, item_type::kMaterial);
}

std::string influenceWord(std::int32_t influence) {
    static constexpr std::array<const char*, 5> kWords = {"極小", "小", "中", "大", "極大"};
    for (std::size_t i = 0; i < building_item::kInfluences.size(); ++i)
        if (influence == building_item::kInfluences[i]) return kWords[i];
    return "";
}

std::string buildingName(std::int32_t building) {
    static constexpr std::array<const char*, 3> kWords = {"美術館", "図書館", "礼拝堂"};
    return wordOf(kWords, building, building_item::kMuseum);
}

std::string breakWord(std::int32_t broken) {
    if (broken <= 5) return "小";
    return broken <= 12 ? "中" : "大";
}
