#include "economy/cls_battle_item.h"

#include "economy/battle_item_bits.h"
#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"

#include <array>
#include <cstdint>
#include <utility>

using host::runtime::CStr;
namespace bits = battle_item_bits;

namespace {

// A sign before a number's text, appended rather than inserted: GCC 12 at -O3
// reports a false overlap (-Wrestrict) for "+" + a temporary string.
std::string signed_(const char* sign, const std::string& number) {
    std::string text = sign;
    text += number;
    return text;
}

// Per target bit: the word BattleItemTarget matches and the word the tips show.
constexpr std::array<const char*, 7> kTargetWords = {"攻撃", "防御", "奇襲", "剣士", "槍兵", "弓兵", "騎兵"};
constexpr std::array<const char*, 7> kTargetTipWords = {"攻撃陣形", "防御陣形", "奇襲陣形", "剣士",
                                                        "槍兵",     "弓兵",     "騎兵"};

std::int32_t fieldOf(std::int32_t word, bits::Field field) {
    return Method().RangeBITWORD(word, field.low, field.high);
}

const char* mark(bool set) {
    return set ? "○" : "×";
}

} // namespace

void clsBattleItem::SetData(const std::string& ItemName, std::int32_t Category, std::int32_t Effect1,
                            std::int32_t Effect2) {
    ItemName_ = ItemName;
    Category_ = Category;
    OffenseMethod_ = fieldOf(Effect1, bits::kOffenseMethod);
    Offense_ = fieldOf(Effect1, bits::kOffense);
    DefenseMethod_ = fieldOf(Effect1, bits::kDefenseMethod);
    Defense_ = fieldOf(Effect1, bits::kDefense);
    PhysicalMethod_ = fieldOf(Effect2, bits::kPhysicalMethod);
    Physical_ = fieldOf(Effect2, bits::kPhysical);
    EnergyMethod_ = fieldOf(Effect2, bits::kEnergyMethod);
    Energy_ = fieldOf(Effect2, bits::kEnergy);
    SpeedMethod_ = fieldOf(Effect2, bits::kSpeedMethod);
    Speed_ = fieldOf(Effect2, bits::kSpeed);
    VisibleParam_ = Method().BitCheck(Category, bits::kVisibleParam);
    VisibleAll_ = Method().BitCheck(Category, bits::kVisibleAll);
    AngerPrevent_ = Method().BitCheck(Effect1, bits::kAngerPrevent);
    ConfusePrevent_ = Method().BitCheck(Effect1, bits::kConfusePrevent);
    NotUseSkillPrevent_ = Method().BitCheck(Effect1, bits::kNotUseSkillPrevent);
}

bool clsBattleItem::BattleItemTarget(const std::string& word) const {
    if (ItemName_.empty()) return false;
    for (std::int16_t bit = bits::kFirstTarget; bit <= bits::kLastTarget; ++bit)
        if (word == kTargetWords[static_cast<std::size_t>(bit - 1)] && Method().BitCheck(Category_, bit))
            return true;
    return false;
}

std::string clsBattleItem::GetMethodText(std::int32_t method, std::int32_t value) {
    const std::string tenth = CStr(value / 10.0);
    const std::string whole = CStr(value);
    switch (method) {
    case battle_method::kAdd:
        return signed_("+", whole);
    case battle_method::kAddPercent:
        return signed_("+", whole) + "%";
    case battle_method::kSub:
        return signed_("-", whole);
    case battle_method::kSubPercent:
        return signed_("-", whole) + "%";
    case battle_method::kAddTenth:
        return signed_("+", tenth);
    case battle_method::kSubTenth:
        return signed_("-", tenth);
    default:
        return "";
    }
}

std::int16_t clsBattleItem::CalcMethodInt(std::int32_t method, std::int32_t value, std::int16_t x) {
    const double share = host::runtime::Fix(value / 100.0 * x);
    switch (method) {
    case battle_method::kAdd:
        return host::runtime::saturate16(std::int64_t{x} + value);
    case battle_method::kAddPercent:
        return host::runtime::saturate16(x + share);
    case battle_method::kSub:
        return host::runtime::saturate16(std::int64_t{x} - value);
    case battle_method::kSubPercent:
        return host::runtime::saturate16(x - share);
    case battle_method::kAddTenth:
        return host::runtime::saturate16(x + value / 10.0);
    case battle_method::kSubTenth:
        return host::runtime::saturate16(x - value / 10.0);
    case battle_method::kZero:
        return 0;
    default:
        return x;
    }
}

double clsBattleItem::CalcMethodDbl(std::int32_t method, std::int32_t value, double x) {
    switch (method) {
    case battle_method::kAdd:
        return x + value;
    case battle_method::kAddPercent:
        return x + value / 100.0 * x;
    case battle_method::kSub:
        return x - value;
    case battle_method::kSubPercent:
        return x - value / 100.0 * x;
    case battle_method::kAddTenth:
        return x + value / 10.0;
    case battle_method::kSubTenth:
        return x - value / 10.0;
    case battle_method::kZero:
        return 0;
    default:
        return x;
    }
}

std::string clsBattleItem::GetItemData(std::int16_t index, bool AllData) const {
    if (index == 0) return "0";
    if (index == 1) return ItemName_;
    if (index >= 2 && index <= 8)
        return mark(Method().BitCheck(Category_, static_cast<std::int16_t>(index - 1)));
    switch (index) {
    case 9:
        return GetMethodText(PhysicalMethod_, Physical_);
    case 10:
        return GetMethodText(OffenseMethod_, Offense_);
    case 11:
        return GetMethodText(DefenseMethod_, Defense_);
    case 12:
        return GetMethodText(EnergyMethod_, Energy_);
    case 13:
        return GetMethodText(SpeedMethod_, Speed_);
    default:
        break;
    }
    if (!AllData) return "";
    switch (index) {
    case 14:
        return mark(AngerPrevent_);
    case 15:
        return mark(ConfusePrevent_);
    case 16:
        return mark(NotUseSkillPrevent_);
    case 17:
        return mark(VisibleAll_);
    case 18:
        return mark(VisibleParam_);
    default:
        return "";
    }
}

std::string clsBattleItem::GetItemTips() const {
    std::string targets;
    for (std::int16_t bit = bits::kFirstTarget; bit <= bits::kLastTarget; ++bit) {
        if (!Method().BitCheck(Category_, bit)) continue;
        if (!targets.empty()) targets += ",";
        targets += kTargetTipWords[static_cast<std::size_t>(bit - 1)];
    }
    std::string text = "対象:" + targets;
    struct Stat {
        const char* label;
        std::int32_t method;
        std::int32_t value;
    };
    const Stat stats[] = {{"体力", PhysicalMethod_, Physical_},
                          {"攻撃力", OffenseMethod_, Offense_},
                          {"防御力", DefenseMethod_, Defense_},
                          {"気力", EnergyMethod_, Energy_},
                          {"速度", SpeedMethod_, Speed_}};
    for (const Stat& stat : stats) {
        if (stat.value == 0) continue;
        mdlZRDFunc::AddLineBreak(text);
        text += std::string(stat.label) + GetMethodText(stat.method, stat.value);
    }
    const std::string features = GetItemDataTips();
    if (AngerPrevent_ || ConfusePrevent_ || NotUseSkillPrevent_ || VisibleParam_ || VisibleAll_) {
        mdlZRDFunc::AddLineBreak(text);
        text += features;
    }
    return text;
}

std::string clsBattleItem::GetItemDataTips() const {
    const std::pair<bool, const char*> features[] = {
        {AngerPrevent_, "怒り耐性"},
        {ConfusePrevent_, "混乱耐性"},
        {NotUseSkillPrevent_, "スキル使用禁止耐性"},
        {VisibleParam_, "相手の体力、気力可視化"},
        {VisibleAll_, "全ての相手ステータス可視化"},
    };
    std::string text;
    for (const auto& [held, words] : features) {
        if (!held) continue;
        mdlZRDFunc::AddLineBreak(text);
        text += words;
    }
    return text.empty() ? "耐性、特殊な機能はありません" : text;
}
