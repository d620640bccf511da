#pragma once

#include "battle/combat/cls_unit_wait.h"
#include "host/runtime/event.h"

#include <cstdint>
#include <memory>
#include <string>

// A combatant's ten status effects, each a count of ticks still to run, the
// multipliers they give, and the pending stance or delayed action.
class clsUnitStatus {
  public:
    clsUnitStatus();

    // A status message for the owner's log.
    host::runtime::Event<std::string> ReportEffect;
    // The pending delayed action of this skill is due now.
    host::runtime::Event<std::string> AfterAttack;

    // Nothing pending and every effect off.
    void InitEffect();
    bool GetStatusAnger() const;
    bool GetStatusConfusion() const;
    bool GetStatusNotUseSkill() const;
    // The multiplier of a status_multiplier kind; 0 for any other kind. The
    // defence of a combatant lying in wait for "きつつき" is 0.3 once, and the
    // wait is over.
    double GetStatusEffect(std::int32_t pStatusEffect);
    // Every status bit of EffectStatus, for Count ticks, reported in bit order.
    void SufferEffect(std::int32_t EffectStatus, std::int16_t Count);
    // One tick: every effect counts down, and a delayed action due at the
    // owner's charge CT fires.
    void Count(std::int16_t CT);
    void ClearUnitWait();
    void SetUnitWait(std::shared_ptr<clsUnitWait> pcUnitWait);
    std::int32_t GetUnitWait() const;
    std::string GetUnitWaitSkill() const;

  private:
    // The two counters of an effect that can hold twice.
    struct DownSlots {
        std::int16_t& first;
        std::int16_t& second;
    };

    static double GetStatusMultiplier(int level);
    int GetOffenseLevel() const;
    int GetDefenseLevel();
    int GetSpeedLevel() const;
    int GetEnergyLevel() const;
    void StackDownEffect(std::int16_t bit, std::int16_t duration);
    void SetSingleEffect(std::int16_t bit, std::int16_t duration);
    DownSlots downSlots(std::int16_t bit);
    std::int16_t* singleCounter(std::int16_t bit);
    void report(const char* text);

    std::int16_t AngerCount = 0;
    std::int16_t ConfusionCount = 0;
    std::int16_t OffenseDownCount1 = 0;
    std::int16_t OffenseDownCount2 = 0;
    std::int16_t DefenseDownCount1 = 0;
    std::int16_t DefenseDownCount2 = 0;
    std::int16_t SpeedDownCount1 = 0;
    std::int16_t SpeedDownCount2 = 0;
    std::int16_t OffenseUpCount = 0;
    std::int16_t NotUseSkillCount = 0;
    std::int16_t EnergyDownCount = 0;
    std::int16_t EnergyUpCount = 0;
    std::int16_t SpeedUpCount = 0;
    std::shared_ptr<clsUnitWait> UnitWait;
};
