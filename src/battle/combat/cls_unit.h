#pragma once

#include "battle/combat/cls_base_unit.h"
#include "battle/combat/cls_damage.h"
#include "battle/combat/cls_unit_status.h"
#include "battle/combat/cls_use_skill.h"
#include "host/runtime/event.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One combatant while a battle runs: around its core and its status effects,
// its current physical strength, energy and charge, its give-up flag and who
// chooses its skills. The battle driver calls CounterAdd every tick and runs
// the attack the Attack event asks for.
class clsUnit {
  public:
    clsUnit();
    ~clsUnit();
    clsUnit(const clsUnit&) = delete;
    clsUnit& operator=(const clsUnit&) = delete;

    // A battle message for the log.
    host::runtime::Event<std::string> Notification;
    // This combatant's counter or delayed strike for the other one (SecondDamage).
    host::runtime::Event<clsDamage> AfterAttack;
    // The Attack event: the charge is full and the combatant acts now.
    host::runtime::Event<> AttackEvent;
    // A computer combatant reserves a skill.
    host::runtime::Event<std::string> ComSetSkill;
    // An attack animation: the skill (empty for the basic attack) and the animation.
    host::runtime::Event<std::string, std::string> AttackEffect;

    // Prepares a battle or the next match: nothing pending, no effects, no
    // charge or energy, and PhysicalRecover percent of the maximum back.
    void UnitInit(std::int16_t PhysicalRecover);
    bool GetVisiblePhysical() const { return cBaseUnit->GetVisiblePhysical(); }
    bool GetVisibleEnergy() const { return cBaseUnit->GetVisibleEnergy(); }
    bool GetVisibleCT() const { return cBaseUnit->GetVisibleCT(); }
    bool GetVisibleSkill() const { return cBaseUnit->GetVisibleSkill(); }
    std::int16_t GetMonsterSize() const { return cBaseUnit->GetImageSize(); }
    // The core fights at full strength; UnitControl is unit_control.
    void SetMonsterUnit(std::shared_ptr<clsBaseUnit> pMonster, std::int32_t UnitControl);
    void SetHumanUnit(std::shared_ptr<clsBaseUnit> pHuman, std::int32_t pBattleControl);
    // One tick.
    void CounterAdd();
    bool GetAttackFLG() const { return AttackFLG; }
    std::int16_t GetPhysical() const { return Physical; }
    std::int16_t GetNowPerMaxPhysical() const;
    double GetEnergy() const { return Energy; }
    double GetCount() const { return Count; }
    bool GetIsMonster() const { return cBaseUnit->GetIsMonster(); }
    const std::string& GetLineType() const { return cBaseUnit->GetLineType(); }
    bool GetGiveUp() const { return GiveUp; }
    const std::string& GetUnitName() const { return UnitName; }
    std::int32_t GetUnitControl() const { return UnitControl; }
    std::int16_t GetMaxPhysical() const { return cBaseUnit->GetPhysical(); }
    std::int16_t GetDataOffence() const { return cBaseUnit->GetOffense(); }
    std::int16_t GetDataDefense() const { return cBaseUnit->GetDefense(); }
    double GetDataSpeed() const { return cBaseUnit->GetSpeed(); }
    double GetDataEnergy() const { return cBaseUnit->GetEnergy(); }
    std::int16_t GetDataUnderstanding() const { return cBaseUnit->GetUnderstanding(); }
    std::vector<std::string> GetSkills() const { return cBaseUnit->GetSkillsName(); }
    std::int16_t GetSkillCount() const { return cBaseUnit->GetSkillCount(); }
    // Whether the skill can be used now: not barred and paid by the truncated energy.
    bool GetUseSkill(const std::string& Skill) const;
    const clsBaseUnit::LineDatas& GetLineDatas() const { return cBaseUnit->GetLineDatas(); }
    // Starts this combatant's action with its reservation (emptied when the
    // skill cannot be used now); True when blows follow.
    bool PreAttack(clsUseSkill& cUseSkill, clsDamage& cDamage);
    // One blow against a defender of formation type DefenseType; True when it hits.
    bool Attack(const std::string& SkillName, std::string_view DefenseType, clsDamage& cDamage);
    // Receives a blow; True when a stance answered it with a counter.
    bool Damage(clsDamage& cDamage);
    // Receives the other combatant's counter or delayed strike.
    void SecondDamage(clsDamage& cDamage) { TakeDamage(cDamage); }

  private:
    struct StanceAnswer {
        bool handled = false;
        bool answer = false;
    };

    void setUnit(std::shared_ptr<clsBaseUnit> core, std::int32_t control);
    void bindCore();
    void unbindCore();
    void ReportUnitMessage(const std::string& text);
    StanceAnswer RespondWithStance(clsDamage& cDamage, std::int32_t status);
    void TakeDamage(clsDamage& cDamage);
    std::int16_t GetEffectiveDefense();
    void HealPhysical(std::int16_t amount);
    std::int16_t GetEffectDuration(std::int16_t kind) const;
    bool RollCounter(clsDamage& cDamage, const clsSkillData& stance);
    void onRecover(std::int16_t amount, std::int32_t effect);
    void onDelayedAction(const std::string& SkillName);
    void takeRecoil(double rate);

    std::string UnitName;
    std::int16_t Physical = 0;
    double Energy = 0;
    double Count = 0;
    bool AttackFLG = false;
    bool GiveUp = false;
    std::int32_t UnitControl = 0;
    std::shared_ptr<clsBaseUnit> cBaseUnit;
    clsUnitStatus cUnitStatus;
    bool ThinkDone = false;
    std::vector<host::runtime::Event<>::Token> coreTokens_;
};
