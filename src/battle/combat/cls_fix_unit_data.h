#pragma once

#include "battle/combat/cls_damage.h"

#include <cstdint>
#include <string>
#include <string_view>

// The fixed values of one combatant for a battle: its strength, condition and
// critical bonus, and the immunities and sights its battle item grants.
class clsFixUnitData {
  public:
    // Thirteen fields joined by "/": Physical, Offensive, Defense, Speed and
    // Energy (unrounded), Understanding, Condition, Critical, then the anger,
    // confusion and no-skill immunities and the full and partial sights.
    // SetSaveData stores the name and the fields when the text has exactly 13
    // of them; otherwise it answers False and changes nothing. A field that
    // does not convert raises the runtime's error and changes nothing either.
    bool SetSaveData(const std::string& UnitName, std::string_view strData);
    std::string GetSaveData() const;

    // What the holder's side may see of its opponent.
    bool GetVisiblePhysical() const { return visibleAll_ || visibleParam_; }
    bool GetVisibleEnergy() const { return visibleAll_ || visibleParam_; }
    bool GetVisibleCT() const { return visibleAll_; }
    bool GetVisibleSkill() const { return visibleAll_; }

    // Removes from the record's status bits those the immunities forbid.
    void CheckEffect(clsDamage& cDamage) const;

    void SetConfusePrevent() { preventConfuse_ = true; }
    void SetAngerPrevent() { preventAnger_ = true; }
    void SetNotUseSkillPrevent() { preventNotUseSkill_ = true; }
    void SetVisibleAll() { visibleAll_ = true; }
    void SetVisibleParam() { visibleParam_ = true; }
    bool GetVisibleAll() const { return visibleAll_; }
    bool GetVisibleParam() const { return visibleParam_; }
    bool GetPreventAnger() const { return preventAnger_; }
    bool GetPreventNotUseSkill() const { return preventNotUseSkill_; }
    bool GetPreventConfuse() const { return preventConfuse_; }

    // Bonus to the critical chance, in percent points.
    std::int16_t Critical() const { return critical_; }
    void Critical(std::int16_t value) { critical_ = value; }
    // Battle condition 1 (worst) to 5 (best); other values change nothing.
    std::int32_t Condition() const { return condition_; }
    void Condition(std::int32_t value) { condition_ = value; }
    std::int16_t Understanding() const { return understanding_; }
    void Understanding(std::int16_t value) { understanding_ = value; }
    const std::string& UnitName() const { return unitName_; }
    void UnitName(std::string value) { unitName_ = std::move(value); }
    // The formation type.
    const std::string& UnitType() const { return unitType_; }
    void UnitType(std::string value) { unitType_ = std::move(value); }
    // Maximum physical strength.
    std::int16_t Physical() const { return physical_; }
    void Physical(std::int16_t value) { physical_ = value; }
    std::int16_t Offensive() const { return offensive_; }
    void Offensive(std::int16_t value) { offensive_ = value; }
    std::int16_t Defense() const { return defense_; }
    void Defense(std::int16_t value) { defense_ = value; }
    // Speed and energy recovery read back rounded to two decimals.
    double Speed() const;
    void Speed(double value) { speed_ = value; }
    double Energy() const;
    void Energy(double value) { energy_ = value; }
    // A monster picture's scale in tenths.
    std::int16_t ImageSize() const { return imageSize_; }
    void ImageSize(std::int16_t value) { imageSize_ = value; }

  private:
    std::string unitName_;
    std::string unitType_;
    std::int16_t physical_ = 0;
    std::int16_t offensive_ = 0;
    std::int16_t defense_ = 0;
    double speed_ = 0;
    double energy_ = 0;
    std::int16_t understanding_ = 0;
    std::int32_t condition_ = 0;
    std::int16_t critical_ = 0;
    bool visibleParam_ = false;
    bool visibleAll_ = false;
    bool preventNotUseSkill_ = false;
    bool preventAnger_ = false;
    bool preventConfuse_ = false;
    std::int16_t imageSize_ = 0;
};
