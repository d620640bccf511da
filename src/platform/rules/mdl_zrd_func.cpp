#include "platform/rules/mdl_zrd_func.h"

#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/services/game_services.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

namespace mdlZRDFunc {

using host::runtime::CInt;
using host::runtime::Fix;
using host::runtime::saturate16;
using host::runtime::saturate32;

std::array<std::int32_t, 12> gCourseMasks{};

namespace {

// value / 100 * percent, truncated toward zero, the division done first.
std::int64_t percentOf(double value, double percent) {
    return static_cast<std::int64_t>(Fix(value / 100.0 * percent));
}

std::string pick(std::int16_t n, std::initializer_list<const char*> names) {
    if (n < 1 || n > static_cast<std::int16_t>(names.size())) return "";
    return names.begin()[n - 1];
}

// Abilities of each of the twelve masks.
const std::array<std::vector<std::int16_t>, 12> kMaskAbilities = {{
    {1, 2, 6},
    {4, 13},
    {10, 15, 16, 17},
    {4, 11, 12, 13},
    {5, 7, 9},
    {3, 4, 5, 11, 12, 13},
    {1, 2, 11},
    {1, 6, 7, 10},
    {4, 5, 7, 8},
    {1, 2, 6, 11, 12, 13, 14, 15, 16, 17},
    {1, 2, 5, 6, 9, 10, 11, 12, 13, 14, 15, 16, 17},
    {5, 7, 9, 10, 15, 16, 17},
}};

// Mask number (1..12) of each career 1..28; 0 for withdrawal (15).
constexpr std::array<int, 29> kCourseMask = {
    0,              // no career
    12, 11, 10, 10, // 1 軍師, 2 騎士, 3 兵士長, 4 兵士
    10, 9,  6,  5,  // 5 見習い兵士, 6 遊び人, 7 忍者, 8 商人
    8,  7,  4,  1,  // 9 旅人, 10 冒険者, 11 技術者, 12 農民
    3,  2,  0,  12, // 13 学者, 14 猟師, 15 退学, 16 宰相
    12, 11, 9,  9,  // 17 政治家, 18 将軍, 19 占星術師, 20 賢者
    6,  6,  5,  5,  // 21 中忍, 22 上忍, 23 大商人, 24 富豪
    4,  4,  1,  11, // 25 師匠, 26 匠, 27 豪農, 28
};

} // namespace

std::int16_t RandomInt(std::int16_t lo, std::int16_t hi) {
    double d = static_cast<double>(hi) - static_cast<double>(lo);
    double r = Services().Rnd();
    return CInt(d * r + static_cast<double>(lo));
}

double RandomRate(std::int16_t a, std::int16_t b) {
    return RandomInt(a, b) / 100.0;
}

bool CheckPercent(std::int16_t p) {
    double r = Services().Rnd();
    return p >= CInt(r * 100.0);
}

std::int16_t AddPercent(std::int16_t value, std::int16_t percent) {
    return saturate16(value + percentOf(value, percent));
}

std::int16_t SubPercent(std::int16_t value, std::int16_t percent) {
    return saturate16(value - percentOf(value, percent));
}

std::int32_t SubPercentLong(std::int32_t value, std::int16_t percent) {
    return saturate32(value - percentOf(value, percent));
}

std::int32_t CalcDiscount(std::int32_t value, std::int16_t p) {
    double kept = (100 - p / 100) / 100.0;
    return saturate32(static_cast<double>(value) * kept);
}

std::int16_t CalcConditionValue(std::int32_t condition, std::int16_t value) {
    switch (condition) {
    case 1:
        return saturate16(value - percentOf(value, RandomInt(5, 13)));
    case 2:
        return saturate16(value - percentOf(value, RandomInt(2, 8)));
    case 3:
        return saturate16(value + percentOf(value, RandomInt(0, 3)));
    case 4:
        return saturate16(value + percentOf(value, RandomInt(3, 10)));
    case 5:
        return saturate16(value + percentOf(value, RandomInt(8, 15)));
    default:
        return value;
    }
}

std::int16_t CalcLevelValue(std::int16_t n) {
    std::int64_t wide = n;
    return saturate16(2 * wide * wide + 10 * wide + 10);
}

double GetLineTypeFactor(std::string_view attackerType, std::string_view defenderType) {
    static const std::pair<std::string_view, std::string_view> strong[] = {
        {"攻撃", "奇襲"}, {"防御", "攻撃"}, {"奇襲", "防御"}};
    for (const auto& [a, d] : strong) {
        if (attackerType == a && defenderType == d) return 1.2;
        if (attackerType == d && defenderType == a) return 0.8;
    }
    return 1.0;
}

double GetDesperationRate(std::int16_t maximum, std::int16_t current) {
    if (maximum == 0)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::DivisionByZero, "GetDesperationRate");
    double q = static_cast<double>(current) / static_cast<double>(maximum);
    return std::max(0.5, std::tan(1.15 - q) * 2.6 - 1.8);
}

std::string GetRankName(std::int16_t n) {
    if (n < 0 || n > 7) return "";
    return pick(static_cast<std::int16_t>(n + 1), {"G", "F", "E", "D", "C", "B", "A", "S"});
}

std::string GetNextClassType(std::string_view type) {
    if (type == "休講") return "全体授業";
    if (type == "全体授業") return "個別授業";
    if (type == "個別授業") return "休講";
    return "";
}

std::string GetGrowthTips(std::string_view growth) {
    static const std::pair<std::vector<std::string_view>, const char*> tips[] = {
        {{"超早熟", "早熟1", "早熟2", "早熟3"}, "早い段階で成長のピークがきそうです"},
        {{"普通1", "普通2", "普通3"}, "成長のピークは平均のようです"},
        {{"晩成1", "晩成2", "晩成3", "超晩成1", "超晩成2"}, "成長のピークは遅そうです"},
        {{"特殊1", "特殊2", "特殊3", "特殊4"}, "変わった成長の仕方をしそうです"},
        {{"持続1", "持続2"}, "比較的成長のピークは長そうです"},
    };
    for (const auto& [types, tip] : tips)
        if (std::find(types.begin(), types.end(), growth) != types.end()) return tip;
    return "";
}

std::string GetTeacherSkillName(std::int16_t n) {
    return pick(n, {"剣術マスター", "槍術マスター", "弓術マスター", "馬術マスター", "生き字引", "神の子",
                    "疾風迅雷", "堅忍不抜", "機略縦横", "名匠", "家元", "鉄の意志"});
}

std::string GetCharacterName(std::int16_t n) {
    return pick(n, {"カリスマ", "天才肌", "努力家", "頑丈", "器用", "根性", "強心臓", "美形", "野生の勘",
                    "お祭り男", "ノミの心臓", "脳筋", "怠け者", "貧弱", "不器用"});
}

std::string GetBasicAttackName(std::string_view lineType, bool isMonster) {
    if (isMonster) return "モンスター基本攻撃";
    if (lineType == "攻撃") return "剣";
    if (lineType == "防御") return "槍";
    if (lineType == "奇襲") return "弓";
    return "";
}

void SetCourseMasks() {
    for (std::size_t m = 0; m < gCourseMasks.size(); ++m) {
        std::int32_t mask = gCourseMasks[m];
        for (std::int16_t ability : kMaskAbilities[m])
            mask = Method().BitOn(mask, ability);
        gCourseMasks[m] = mask;
    }
}

std::int32_t GetCourseMask(std::int32_t course) {
    if (course < 1 || course > 28 || kCourseMask[course] == 0) return 0;
    return gCourseMasks[kCourseMask[course] - 1];
}

std::string GetCourseName(std::int32_t course) {
    if (course < 1 || course > 27 || gCourseNames[course - 1].empty()) return "不明";
    return std::string(gCourseNames[course - 1]);
}

std::string AddLineBreak(std::string& text) {
    return AddSeparator(text, "\r\n");
}

std::string AddSeparator(std::string& text, std::string_view separator) {
    if (!text.empty()) text += separator;
    return text;
}

std::string JoinIntArray(std::span<const std::int16_t> values, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += separator;
        out += host::runtime::CStr(values[i]);
    }
    return out;
}

std::string GetPassageText(const host::runtime::Collection<clsPassageData>& list,
                           std::string_view separator) {
    std::string out;
    for (const clsPassageData& record : list) {
        AddLineBreak(out);
        out += record.Name();
        for (std::int16_t number : {record.Age(), record.Period(), record.Dissatisfaction()}) {
            out += separator;
            out += host::runtime::CStr(number);
        }
    }
    return out;
}

} // namespace mdlZRDFunc
