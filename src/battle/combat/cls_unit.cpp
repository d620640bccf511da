#include "battle/combat/cls_unit.h"

#include "battle/battle_codes.h"
#include "host/runtime/saturate.h"
#include "platform/rules/mdl_zrd_func.h"

using host::runtime::Fix;
using host::runtime::saturate16;

namespace {

std::int16_t truncated(double value) {
    return saturate16(Fix(value));
}

} // namespace

clsUnit::clsUnit() : cBaseUnit(std::make_shared<clsBaseUnit>()) {
    cUnitStatus.ReportEffect.subscribe([this](std::string& text) { ReportUnitMessage(text); });
    cUnitStatus.AfterAttack.subscribe([this](std::string& skill) { onDelayedAction(skill); });
    bindCore();
}

clsUnit::~clsUnit() {
    unbindCore();
}

void clsUnit::bindCore() {
    coreTokens_ = {
        cBaseUnit->Notification.subscribe([this](std::string& message) { Notification.raise(message); }),
        cBaseUnit->ExceptionSkill.subscribe(
            [this](std::shared_ptr<clsUnitWait>& wait) { cUnitStatus.SetUnitWait(wait); }),
        cBaseUnit->Recover.subscribe(
            [this](std::int16_t& amount, std::int32_t& effect) { onRecover(amount, effect); }),
        cBaseUnit->AttackEffect.subscribe(
            [this](std::string& skill, std::string& effect) { AttackEffect.raise(skill, effect); }),
    };
}

void clsUnit::unbindCore() {
    cBaseUnit->Notification.unsubscribe(coreTokens_[0]);
    cBaseUnit->ExceptionSkill.unsubscribe(coreTokens_[1]);
    cBaseUnit->Recover.unsubscribe(coreTokens_[2]);
    cBaseUnit->AttackEffect.unsubscribe(coreTokens_[3]);
}

void clsUnit::setUnit(std::shared_ptr<clsBaseUnit> core, std::int32_t control) {
    unbindCore();
    cBaseUnit = std::move(core);
    bindCore();
    UnitName = cBaseUnit->GetUnitName();
    Physical = cBaseUnit->GetPhysical();
    Energy = 0;
    Count = 0;
    UnitControl = control;
}

void clsUnit::SetMonsterUnit(std::shared_ptr<clsBaseUnit> pMonster, std::int32_t UnitControl) {
    setUnit(std::move(pMonster), UnitControl);
}

void clsUnit::SetHumanUnit(std::shared_ptr<clsBaseUnit> pHuman, std::int32_t pBattleControl) {
    setUnit(std::move(pHuman), pBattleControl);
}

void clsUnit::UnitInit(std::int16_t PhysicalRecover) {
    cUnitStatus.ClearUnitWait();
    Energy = 0;
    Count = 0;
    GiveUp = false;
    AttackFLG = false;
    ThinkDone = false;
    const std::int16_t maximum = cBaseUnit->GetPhysical();
    std::int16_t recovered = saturate16(static_cast<double>(maximum) / 100 * PhysicalRecover);
    Physical = saturate16(std::int64_t{Physical} + recovered);
    if (Physical > maximum) Physical = maximum;
    cUnitStatus.InitEffect();
}

void clsUnit::CounterAdd() {
    cUnitStatus.Count(truncated(Count));
    cBaseUnit->LetPhysical(Physical);
    if (cUnitStatus.GetStatusConfusion()) return;

    Count += cUnitStatus.GetStatusEffect(status_multiplier::kSpeed) * cBaseUnit->GetSpeed();
    Energy += cUnitStatus.GetStatusEffect(status_multiplier::kEnergy) * cBaseUnit->GetEnergy();

    if (Count >= charge::kThink && UnitControl == unit_control::kComputer && !ThinkDone) {
        std::string name;
        if (!cUnitStatus.GetStatusNotUseSkill() && cBaseUnit->GetComSkill(truncated(Energy), name) &&
            !name.empty())
            ComSetSkill.raise(name);
        ThinkDone = true;
    }
    if (Energy > charge::kEnergyCap) Energy = charge::kEnergyCap;
    if (Count > charge::kFull) {
        Count -= charge::kFull;
        if (Physical > 0) AttackEvent.raise();
        ThinkDone = false;
    }
}

std::int16_t clsUnit::GetNowPerMaxPhysical() const {
    if (Physical == 0 || cBaseUnit->GetPhysical() == 0) return 0;
    return truncated(static_cast<double>(Physical) / cBaseUnit->GetPhysical() * 100);
}

bool clsUnit::GetUseSkill(const std::string& Skill) const {
    if (cUnitStatus.GetStatusNotUseSkill()) return false;
    std::int16_t cost = 0;
    return cBaseUnit->GetUseSkill(Skill, truncated(Energy), cost);
}

bool clsUnit::PreAttack(clsUseSkill& cUseSkill, clsDamage& cDamage) {
    if (cUnitStatus.GetStatusConfusion()) return false;
    cUnitStatus.ClearUnitWait();
    AttackFLG = false;
    std::int16_t cost = 0;
    bool usable = cBaseUnit->GetUseSkill(cUseSkill.UseSkill(), truncated(Energy), cost);
    if (!cUnitStatus.GetStatusNotUseSkill() && usable)
        Energy -= cost;
    else
        cUseSkill.UseSkill("");
    return cBaseUnit->PreAttack(cUseSkill.UseSkill(), cDamage);
}

bool clsUnit::Attack(const std::string& SkillName, std::string_view DefenseType, clsDamage& cDamage) {
    bool hit = cBaseUnit->Attack(SkillName, DefenseType, cDamage);
    double rate = mdlZRDFunc::RandomRate(80, 120);
    cDamage.Physical(saturate16(cDamage.Physical() * rate));
    return hit;
}

void clsUnit::ReportUnitMessage(const std::string& text) {
    std::string message = UnitName + "は" + text;
    Notification.raise(message);
}

void clsUnit::HealPhysical(std::int16_t amount) {
    Physical = saturate16(std::int64_t{Physical} + amount);
    if (Physical > cBaseUnit->GetPhysical()) Physical = cBaseUnit->GetPhysical();
}

std::int16_t clsUnit::GetEffectDuration(std::int16_t kind) const {
    const std::int64_t understanding = cBaseUnit->GetUnderstanding();
    std::int16_t ticks = 0;
    if (kind == effect_duration::kOwn)
        ticks = mdlZRDFunc::RandomInt(1, saturate16(understanding + 10));
    else if (kind == effect_duration::kReceived)
        ticks = mdlZRDFunc::RandomInt(1, saturate16(40 - understanding));
    else
        return 0;
    return saturate16(10 * std::int64_t{ticks} + 75);
}

void clsUnit::onRecover(std::int16_t amount, std::int32_t effect) {
    if (amount > 0) {
        ReportUnitMessage("体力が" + std::to_string(amount) + "回復した");
        HealPhysical(amount);
    }
    if (effect > 0) {
        std::int16_t duration = GetEffectDuration(effect_duration::kOwn);
        cUnitStatus.SufferEffect(effect, duration);
    }
}
