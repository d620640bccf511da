#pragma once

#include "host/runtime/event.h"
#include "platform/records/cls_get_grid_data.h"
#include "students/abilities.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The seventeen abilities of one student: for each ability the present level
// with its experience and the nature level (the potential) with its own
// experience. Experience turns into levels here; every present level-up plays
// a sound and raises Report.
class clsStudentData {
  public:
    // Block numbers of GetStudentData.
    static constexpr std::int32_t LevelBlock = 1;
    static constexpr std::int32_t ExperienceBlock = 2;
    static constexpr std::int32_t NatureLevelBlock = 3;
    static constexpr std::int32_t NatureExperienceBlock = 4;

    // A level-up message: ability name, "レベルがあがり、", level, "になった".
    host::runtime::Event<std::string> Report;

    clsStudentData() = default;
    clsStudentData(const clsStudentData&) = delete;
    clsStudentData& operator=(const clsStudentData&) = delete;

    // Progress of each ability towards its next present level, in percent (cells 0..16).
    clsGetGridData GetExperienceAsNumber() const;
    // The present level of each ability (cells 0..16).
    clsGetGridData GetAbilityDetail() const;
    // Present or nature level; a message box and 0 outside 1..17.
    std::int16_t GetAbility(std::int16_t n) const;
    std::int16_t GetNatureAbility(std::int16_t n) const;
    // By unit type "剣士", "槍兵", "弓兵", "騎兵"; 0 for any other.
    std::int16_t GetOffense(std::string_view UnitType) const;
    std::int16_t GetDefense(std::string_view UnitType) const;
    std::int16_t GetLineUnderStanding(std::string_view MainType, std::string_view SubType) const;
    // Entry Target (1..17) of block GetStudentDataType (1..4); 0 out of range.
    std::int16_t GetStudentData(std::int32_t GetStudentDataType, std::int32_t Target) const;
    // Adds Count points to ability Target: DataType 1 to the present level,
    // any other value to the nature level.
    void GetExperience(std::int32_t DataType, std::int32_t Target, std::int16_t Count);

    // "level:...;experience:...;nature level:...;nature experience:...".
    // Loading fails with the runtime's error (and changes nothing) on a text
    // with fewer than four blocks, fewer than 17 values or a bad number.
    void SetData(std::string_view text);
    std::string GetData() const;

    std::int16_t MaxPhysical() const;
    std::int16_t FixPhysical() const { return present(ability::kPhysical); }
    std::int16_t Muscle() const { return present(ability::kMuscle); }
    std::int16_t Quickness() const { return present(ability::kQuickness); }
    std::int16_t Technique() const { return present(ability::kTechnique); }
    std::int16_t Intention() const { return present(ability::kIntention); }
    std::int16_t Toughness() const { return present(ability::kToughness); }
    std::int16_t Charm() const { return present(ability::kCharm); }
    std::int16_t Luck() const { return present(ability::kLuck); }
    std::int16_t Propriety() const { return present(ability::kPropriety); }
    std::int16_t History() const { return present(ability::kHistory); }
    std::int16_t Fencing() const { return present(ability::kFencing); }
    std::int16_t Spearmanship() const { return present(ability::kSpearmanship); }
    std::int16_t Toxophily() const { return present(ability::kToxophily); }
    std::int16_t Horsemanship() const { return present(ability::kHorsemanship); }
    std::int16_t Aggressive() const { return present(ability::kAggressive); }
    std::int16_t Protect() const { return present(ability::kProtect); }
    std::int16_t Surprise() const { return present(ability::kSurprise); }

  private:
    using Block = std::array<std::int16_t, ability::kCount>;

    std::int16_t present(int n) const { return blocks_[0][n - 1]; }
    std::int16_t GetFormationAbility(std::string_view formationType) const;
    std::int16_t GetMaxLevel(std::int32_t n) const;
    std::int16_t GetNeedExperience(std::int32_t n, std::int16_t level) const;
    std::string GetAbilityName(std::int32_t n) const;
    void SetBlockValue(std::int32_t block, std::int32_t n, std::int64_t value);
    void IncrementBlockValue(std::int32_t block, std::int32_t n);
    static Block ParseAbilityBlock(std::string_view text);
    std::string FormatAbilityBlock(std::int32_t block) const;

    std::array<Block, 4> blocks_{};
};
