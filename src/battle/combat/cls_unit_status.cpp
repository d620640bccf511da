#include "battle/combat/cls_unit_status.h"

#include "platform/rules/cls_method.h"

#include <array>

namespace {

// The message of each status bit when it takes hold, index = bit.
constexpr std::array<const char*, status_bit::kLast + 1> kTakesHold = {
    "",
    "怒り状態になった",
    "混乱状態になった",
    "攻撃力が落ちた",
    "防御力が落ちた",
    "攻撃力が上がった",
    "気力回復力が落ちた",
    "特技が使えなくなった",
    "速度が落ちた",
    "速度が上がった",
    "気力回復力が上がった",
};

void countDown(std::int16_t& counter) {
    if (counter > 0) --counter;
}

// 1 for a counter still running.
int active(std::int16_t counter) {
    return counter > 0 ? 1 : 0;
}

} // namespace

clsUnitStatus::clsUnitStatus() : UnitWait(std::make_shared<clsUnitWait>()) {}

void clsUnitStatus::InitEffect() {
    ClearUnitWait();
    AngerCount = 0;
    ConfusionCount = 0;
    OffenseDownCount1 = 0;
    OffenseDownCount2 = 0;
    DefenseDownCount1 = 0;
    DefenseDownCount2 = 0;
    SpeedDownCount1 = 0;
    SpeedDownCount2 = 0;
    OffenseUpCount = 0;
    NotUseSkillCount = 0;
    EnergyDownCount = 0;
    EnergyUpCount = 0;
    SpeedUpCount = 0;
}

bool clsUnitStatus::GetStatusAnger() const {
    return AngerCount > 0;
}

bool clsUnitStatus::GetStatusConfusion() const {
    return ConfusionCount > 0;
}

bool clsUnitStatus::GetStatusNotUseSkill() const {
    return NotUseSkillCount > 0;
}

double clsUnitStatus::GetStatusEffect(std::int32_t pStatusEffect) {
    switch (pStatusEffect) {
    case status_multiplier::kOffense:
        return GetStatusMultiplier(GetOffenseLevel());
    case status_multiplier::kDefense:
        return GetStatusMultiplier(GetDefenseLevel());
    case status_multiplier::kSpeed:
        return GetStatusMultiplier(GetSpeedLevel());
    case status_multiplier::kEnergy:
        return GetStatusMultiplier(GetEnergyLevel());
    default:
        return 0;
    }
}

double clsUnitStatus::GetStatusMultiplier(int level) {
    switch (level) {
    case 1:
        return 1.5;
    case 0:
        return 1.0;
    case -1:
        return 0.7;
    case -2:
        return 0.3;
    default:
        return 0;
    }
}

int clsUnitStatus::GetOffenseLevel() const {
    return active(OffenseUpCount) - active(OffenseDownCount1) - active(OffenseDownCount2);
}

int clsUnitStatus::GetDefenseLevel() {
    if (UnitWait->WaitStatus() == wait_status::kDelayed &&
        UnitWait->SkillName() == special_skill::kWoodpecker) {
        ClearUnitWait();
        report("きつつきに失敗");
        return -2;
    }
    return -active(DefenseDownCount1) - active(DefenseDownCount2);
}

int clsUnitStatus::GetSpeedLevel() const {
    return active(SpeedUpCount) - active(SpeedDownCount1) - active(SpeedDownCount2);
}

int clsUnitStatus::GetEnergyLevel() const {
    return active(EnergyUpCount) - active(EnergyDownCount);
}

void clsUnitStatus::SufferEffect(std::int32_t EffectStatus, std::int16_t Count) {
    if (EffectStatus == 0) return;
    for (std::int16_t bit = 1; bit <= status_bit::kLast; ++bit) {
        if (!Method().BitCheck(EffectStatus, bit)) continue;
        if (bit == status_bit::kOffenseDown || bit == status_bit::kDefenseDown ||
            bit == status_bit::kSpeedDown)
            StackDownEffect(bit, Count);
        else
            SetSingleEffect(bit, Count);
    }
}

std::int16_t* clsUnitStatus::singleCounter(std::int16_t bit) {
    switch (bit) {
    case status_bit::kAnger:
        return &AngerCount;
    case status_bit::kConfusion:
        return &ConfusionCount;
    case status_bit::kOffenseUp:
        return &OffenseUpCount;
    case status_bit::kEnergyDown:
        return &EnergyDownCount;
    case status_bit::kNotUseSkill:
        return &NotUseSkillCount;
    case status_bit::kSpeedUp:
        return &SpeedUpCount;
    default:
        return &EnergyUpCount;
    }
}

void clsUnitStatus::SetSingleEffect(std::int16_t bit, std::int16_t duration) {
    std::int16_t& counter = *singleCounter(bit);
    if (duration <= counter) return;
    counter = duration;
    report(kTakesHold[bit]);
    if (bit == status_bit::kAnger || bit == status_bit::kConfusion) ClearUnitWait();
}

clsUnitStatus::DownSlots clsUnitStatus::downSlots(std::int16_t bit) {
    if (bit == status_bit::kOffenseDown) return {OffenseDownCount1, OffenseDownCount2};
    if (bit == status_bit::kDefenseDown) return {DefenseDownCount1, DefenseDownCount2};
    return {SpeedDownCount1, SpeedDownCount2};
}

void clsUnitStatus::StackDownEffect(std::int16_t bit, std::int16_t duration) {
    DownSlots slots = downSlots(bit);
    report(kTakesHold[bit]);
    if (duration < slots.first && duration < slots.second) return;
    if (slots.first == slots.second) {
        if (slots.first < duration) slots.first = duration;
    } else if (slots.first < slots.second) {
        slots.first = duration;
    } else {
        slots.second = duration;
    }
}

void clsUnitStatus::Count(std::int16_t CT) {
    if (AngerCount > 0) {
        --AngerCount;
        if (AngerCount == 0) report("怒りが収まった");
    }
    if (ConfusionCount > 0) {
        --ConfusionCount;
        if (ConfusionCount == 0) report("混乱から立ち直った");
    }
    for (std::int16_t* counter : {&DefenseDownCount1, &DefenseDownCount2, &EnergyDownCount,
                                  &OffenseDownCount1, &OffenseDownCount2, &SpeedDownCount1, &SpeedDownCount2,
                                  &NotUseSkillCount, &EnergyUpCount, &OffenseUpCount, &SpeedUpCount})
        countDown(*counter);
    if (UnitWait->WaitStatus() == wait_status::kDelayed && UnitWait->Count() <= CT) {
        std::string skill = UnitWait->SkillName();
        AfterAttack.raise(skill);
        ClearUnitWait();
    }
}

void clsUnitStatus::ClearUnitWait() {
    UnitWait->Count(0);
    UnitWait->Effect(0);
    UnitWait->SkillName("");
    UnitWait->WaitStatus(wait_status::kIdle);
}

void clsUnitStatus::SetUnitWait(std::shared_ptr<clsUnitWait> pcUnitWait) {
    UnitWait = std::move(pcUnitWait);
}

std::int32_t clsUnitStatus::GetUnitWait() const {
    return UnitWait->WaitStatus();
}

std::string clsUnitStatus::GetUnitWaitSkill() const {
    return UnitWait->SkillName();
}

void clsUnitStatus::report(const char* text) {
    std::string message = text;
    ReportEffect.raise(message);
}
