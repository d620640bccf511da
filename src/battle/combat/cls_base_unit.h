#pragma once

#include "battle/combat/cls_com_think.h"
#include "battle/combat/cls_damage.h"
#include "battle/combat/cls_fix_unit_data.h"
#include "battle/combat/cls_unit_wait.h"
#include "battle/records/cls_line_data.h"
#include "battle/records/cls_skill_data.h"
#include "host/runtime/collection.h"
#include "host/runtime/event.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The core of one combatant (the academy's team, a rival school or a
// monster): its stat sheet, skills and formation positions, and the
// attacker's side of every action: announcement, hit and critical rolls,
// damage, status effects, stances and delayed actions, self recovery and the
// computer's skill choice.
class clsBaseUnit {
  public:
    using Skills = host::runtime::Collection<const clsSkillData*>;
    using LineDatas = host::runtime::Collection<const clsLineData*>;

    clsBaseUnit();

    // An announcement, "miss" or "クリティカル!".
    host::runtime::Event<std::string> Notification;
    // The wait record every skill use leaves pending.
    host::runtime::Event<std::shared_ptr<clsUnitWait>> ExceptionSkill;
    // A self skill recovers Physical and gives the user Effect.
    host::runtime::Event<std::int16_t, std::int32_t> Recover;
    // An attack animation: the skill (empty for the basic attack) and the animation.
    host::runtime::Event<std::string, std::string> AttackEffect;

    bool GetVisiblePhysical() const { return sheet_->GetVisiblePhysical(); }
    bool GetVisibleEnergy() const { return sheet_->GetVisibleEnergy(); }
    bool GetVisibleCT() const { return sheet_->GetVisibleCT(); }
    bool GetVisibleSkill() const { return sheet_->GetVisibleSkill(); }
    void CheckEffect(clsDamage& cDamage) const { sheet_->CheckEffect(cDamage); }
    std::int16_t GetImageSize() const { return sheet_->ImageSize(); }
    // The computer's choice; False without skills.
    bool GetComSkill(std::int16_t Energy, std::string& SkillName) const;
    void LetPhysical(std::int16_t Physical) { physical_ = Physical; }
    // Current physical as a truncated percentage of the maximum; 0 when either is 0.
    std::int16_t GetNowPerMaxPhysical() const;
    const std::string& GetLineType() const { return sheet_->UnitType(); }
    const LineDatas& GetLineDatas() const { return lineDatas_; }
    void SetFixUnitData(std::shared_ptr<clsFixUnitData> pFixUnitData) { sheet_ = std::move(pFixUnitData); }
    void SetUnitType(std::string pLineType) { sheet_->UnitType(std::move(pLineType)); }
    // The first six skills; a combatant has at most one button per skill.
    void SetUnitSkills(Skills pclUnitSkills);
    void SetLineDatas(LineDatas pclLineDatas) { lineDatas_ = std::move(pclLineDatas); }
    void LetIsMonster() { monster_ = true; }
    bool GetIsMonster() const { return monster_; }
    // False for an empty name; otherwise the skill's cost in UseEnergy and
    // whether Energy pays it.
    bool GetUseSkill(const std::string& SkillName, std::int16_t Energy, std::int16_t& UseEnergy) const;
    std::int16_t GetUnderstanding() const { return sheet_->Understanding(); }
    std::int16_t GetSkillCount() const { return static_cast<std::int16_t>(skills_.count()); }
    // The skill names in order; empty without skills.
    std::vector<std::string> GetSkillsName() const;
    // A skill that is not the combatant's raises the runtime's missing-key error.
    const clsSkillData& GetSkill(const std::string& name) const { return *skills_.item(name); }
    const clsSkillData& GetLineSkillData(const std::string& name) const { return GetSkill(name); }
    // The maximum physical strength.
    std::int16_t GetPhysical() const { return sheet_->Physical(); }
    // One blow of a skill; True when it hits.
    bool UseSkill(const std::string& SkillName, std::string_view DefenseType, clsDamage& cDamage);
    // Starts an action (empty name: the basic attack); True when blows follow.
    bool PreAttack(const std::string& SkillName, clsDamage& cDamage);
    // One blow against a defender of formation type DefenseType; True when it hits.
    bool Attack(const std::string& SkillName, std::string_view DefenseType, clsDamage& cDamage);
    std::int32_t GetCondition() const { return sheet_->Condition(); }
    std::int16_t GetOffense() const { return sheet_->Offensive(); }
    // The defence through the condition value: a fresh draw on every call.
    std::int16_t GetDefense() const;
    // Energy and charge gained per tick.
    double GetEnergy() const { return sheet_->Energy() / 10; }
    double GetSpeed() const { return sheet_->Speed() / 10; }
    const std::string& GetUnitName() const { return sheet_->UnitName(); }

  private:
    bool PrepareSkill(const std::string& SkillName, clsDamage& cDamage);
    std::int16_t GetConditionHitBonus() const;
    double desperationRate() const;
    void notify(std::string message);
    void attackEffect(std::string skill, std::string effect);

    std::shared_ptr<clsFixUnitData> sheet_;
    Skills skills_;
    LineDatas lineDatas_;
    std::int16_t physical_ = 0;
    clsComThink comThink_;
    bool monster_ = false;
};
