#include "students/student/cls_student_data.h"

#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"

#include <vector>

using host::runtime::CStr;
using host::runtime::saturate16;

namespace {

constexpr std::array<const char*, ability::kCount> kAbilityNames = {
    "最大体力", "筋力", "敏捷", "技術", "意志", "頑丈",     "魅力",     "運",       "礼儀",
    "歴史",     "剣術", "槍術", "弓術", "馬術", "攻撃陣形", "防御陣形", "奇襲陣形",
};

bool validAbility(std::int32_t n) {
    return n >= 1 && n <= ability::kCount;
}

// Experience for the next level: the first band whose top is at least the level.
struct NeedBand {
    int top;
    std::int16_t need;
};
constexpr std::array<NeedBand, 8> kAbilityNeed = {
    {{14, 200}, {29, 400}, {44, 600}, {59, 800}, {74, 1000}, {84, 1500}, {94, 2000}, {32767, 4000}}};
constexpr std::array<NeedBand, 8> kFormationNeed = {
    {{2, 300}, {5, 600}, {8, 1000}, {11, 1500}, {15, 3000}, {19, 5000}, {22, 10000}, {32767, 30000}}};

std::int16_t needFrom(const std::array<NeedBand, 8>& bands, std::int16_t level) {
    for (const auto& band : bands)
        if (level <= band.top) return band.need;
    return bands.back().need;
}

const char* levelUpSound(std::int32_t n) {
    switch (n) {
    case ability::kPhysical:
    case ability::kMuscle:
    case ability::kQuickness:
    case ability::kToughness:
        return sound_name::kPowerUp;
    case ability::kTechnique:
    case ability::kFencing:
    case ability::kSpearmanship:
    case ability::kToxophily:
    case ability::kHorsemanship:
        return sound_name::kSkillUp;
    default:
        return sound_name::kChime;
    }
}

std::vector<std::string> atLeast(std::vector<std::string> parts, std::size_t count) {
    if (parts.size() < count)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "ability text has too few parts");
    return parts;
}

} // namespace

clsGetGridData clsStudentData::GetExperienceAsNumber() const {
    clsGetGridData row;
    row.SetCols(ability::kCount - 1);
    for (int n = 1; n <= ability::kCount; ++n) {
        double need = GetNeedExperience(n, blocks_[0][n - 1]);
        double percent = blocks_[1][n - 1] / need * 100.0;
        row.Data(static_cast<std::int16_t>(n - 1), CStr(saturate16(percent)));
    }
    return row;
}

clsGetGridData clsStudentData::GetAbilityDetail() const {
    clsGetGridData row;
    row.SetCols(ability::kCount - 1);
    for (int n = 1; n <= ability::kCount; ++n)
        row.Data(static_cast<std::int16_t>(n - 1), CStr(blocks_[0][n - 1]));
    return row;
}

std::int16_t clsStudentData::GetAbility(std::int16_t n) const {
    if (!validAbility(n)) {
        Services().MsgBox("Err:GetAbility:Number=" + CStr(n));
        return 0;
    }
    return blocks_[0][n - 1];
}

std::int16_t clsStudentData::GetNatureAbility(std::int16_t n) const {
    if (!validAbility(n)) {
        Services().MsgBox("Err:GetNatureAbility:Number=" + CStr(n));
        return 0;
    }
    return blocks_[2][n - 1];
}

std::int16_t clsStudentData::GetOffense(std::string_view UnitType) const {
    int sum = 0;
    if (UnitType == "剣士")
        sum = Fencing() + Muscle() + Quickness();
    else if (UnitType == "槍兵")
        sum = Spearmanship() + Muscle() + Intention();
    else if (UnitType == "弓兵")
        sum = Toxophily() + Technique() + Quickness();
    else if (UnitType == "騎兵")
        sum = Horsemanship() + Technique() + Intention();
    return saturate16(std::int64_t{sum / 3});
}

std::int16_t clsStudentData::GetDefense(std::string_view UnitType) const {
    int sum = 0;
    if (UnitType == "剣士")
        sum = Toughness() + Technique() + Intention();
    else if (UnitType == "槍兵")
        sum = Toughness() + Technique() + Quickness();
    else if (UnitType == "弓兵")
        sum = Toughness() + Muscle() + Intention();
    else if (UnitType == "騎兵")
        sum = Toughness() + Muscle() + Quickness();
    return saturate16(std::int64_t{sum / 3});
}

std::int16_t clsStudentData::GetLineUnderStanding(std::string_view MainType, std::string_view SubType) const {
    int sum = GetFormationAbility(MainType) + GetFormationAbility(SubType);
    return static_cast<std::int16_t>(sum / 2);
}

std::int16_t clsStudentData::GetStudentData(std::int32_t GetStudentDataType, std::int32_t Target) const {
    if (GetStudentDataType < 1 || GetStudentDataType > 4 || !validAbility(Target)) return 0;
    return blocks_[GetStudentDataType - 1][Target - 1];
}

void clsStudentData::GetExperience(std::int32_t DataType, std::int32_t Target, std::int16_t Count) {
    const bool presentBlocks = DataType == 1;
    const std::int32_t levelBlock = presentBlocks ? LevelBlock : NatureLevelBlock;
    const std::int32_t expBlock = levelBlock + 1;
    std::int64_t count = Count;
    for (;;) {
        std::int16_t level = GetStudentData(levelBlock, Target);
        std::int64_t exp = GetStudentData(expBlock, Target);
        std::int16_t need = GetNeedExperience(Target, level);
        if (count + exp < need) {
            SetBlockValue(expBlock, Target, exp + count);
            return;
        }
        count = count + exp - need;
        if (level >= GetMaxLevel(Target)) return; // capped: the points are lost
        SetBlockValue(expBlock, Target, 0);
        if (presentBlocks) {
            if (level >= GetStudentData(NatureLevelBlock, Target)) {
                SetBlockValue(expBlock, Target, need); // a full bar at the potential
                return;
            }
            IncrementBlockValue(levelBlock, Target);
            Services().SoundPlay(levelUpSound(Target));
            std::string message = GetAbilityName(Target) + "レベルがあがり、" +
                                  CStr(GetStudentData(levelBlock, Target)) + "になった";
            Report.raise(message);
        } else {
            IncrementBlockValue(levelBlock, Target);
        }
        if (count == 0) return;
    }
}

void clsStudentData::SetData(std::string_view text) {
    auto parts = atLeast(host::runtime::Split(text, ";", 4), 4);
    std::array<Block, 4> parsed{};
    for (std::size_t block = 0; block < parsed.size(); ++block)
        parsed[block] = ParseAbilityBlock(parts[block]);
    blocks_ = parsed;
}

std::string clsStudentData::GetData() const {
    std::vector<std::string> parts;
    for (std::int32_t block = 1; block <= 4; ++block)
        parts.push_back(FormatAbilityBlock(block));
    return host::runtime::Join(parts, ";");
}

std::int16_t clsStudentData::MaxPhysical() const {
    return saturate16(std::int64_t{FixPhysical()} * 5);
}

std::int16_t clsStudentData::GetFormationAbility(std::string_view formationType) const {
    if (formationType == "攻撃") return Aggressive();
    if (formationType == "防御") return Protect();
    if (formationType == "奇襲") return Surprise();
    return 0;
}

std::int16_t clsStudentData::GetMaxLevel(std::int32_t n) const {
    if (!validAbility(n)) {
        Services().MsgBox("error:" + CStr(n));
        return 0;
    }
    return ability::isFormation(n) ? 25 : 100;
}

std::int16_t clsStudentData::GetNeedExperience(std::int32_t n, std::int16_t level) const {
    if (!validAbility(n)) {
        Services().MsgBox("error:" + CStr(n));
        return 0;
    }
    return needFrom(ability::isFormation(n) ? kFormationNeed : kAbilityNeed, level);
}

std::string clsStudentData::GetAbilityName(std::int32_t n) const {
    if (!validAbility(n)) {
        Services().MsgBox("Error:" + CStr(n));
        return "";
    }
    return kAbilityNames[n - 1];
}

void clsStudentData::SetBlockValue(std::int32_t block, std::int32_t n, std::int64_t value) {
    if (block < 1 || block > 4 || !validAbility(n)) return;
    blocks_[block - 1][n - 1] = saturate16(value);
}

void clsStudentData::IncrementBlockValue(std::int32_t block, std::int32_t n) {
    SetBlockValue(block, n, std::int64_t{GetStudentData(block, n)} + 1);
}

clsStudentData::Block clsStudentData::ParseAbilityBlock(std::string_view text) {
    auto values = atLeast(host::runtime::Split(text, ":", ability::kCount), ability::kCount);
    Block block{};
    for (int n = 0; n < ability::kCount; ++n)
        block[n] = host::runtime::CInt(std::string_view(values[n]));
    return block;
}

std::string clsStudentData::FormatAbilityBlock(std::int32_t block) const {
    std::vector<std::string> values;
    for (std::int16_t entry : blocks_[block - 1])
        values.push_back(CStr(entry));
    return host::runtime::Join(values, ":");
}
