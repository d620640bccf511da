#include "battle/combat/cls_unit.h"
#include "battle/battle_codes.h"
#include "host/runtime/saturate.h"
#include "platform/rules/mdl_zrd_func.h"

using host::runtime::Fix;
using host::runtime::saturate16;
using mdlZRDFunc::CheckPercent;

bool clsUnit::Damage(clsDamage& cDamage) {
    const std::int32_t status = cUnitStatus.GetUnitWait();
    if (status == wait_status::kGuardStance || status == wait_status::kCounterStance) {
        StanceAnswer stance = RespondWithStance(cDamage, status);
        if (stance.handled && stance.answer)
            AfterAttack.raise(cDamage);
        else if (!stance.handled)
            TakeDamage(cDamage);
        return stance.answer;
    }
    if (status == wait_status::kDelayed && cUnitStatus.GetUnitWaitSkill() == special_skill::kWoodpecker) {
        cDamage.Physical(saturate16(std::int64_t{cDamage.Physical()} * 2));
        cUnitStatus.ClearUnitWait();
    }
    TakeDamage(cDamage);
    return false;
}

clsUnit::StanceAnswer clsUnit::RespondWithStance(clsDamage& cDamage, std::int32_t status) {
    const clsSkillData& stance = cBaseUnit->GetSkill(cUnitStatus.GetUnitWaitSkill());
    if (status == wait_status::kCounterStance) {
        if (cDamage.DirectAttack() || (cDamage.Physical() == 0 && cDamage.Energy() == 0)) return {};
        bool countered = RollCounter(cDamage, stance);
        if (countered) {
            ReportUnitMessage(stance.Name() + "を発動した");
            if (stance.Image()) {
                std::string name = stance.Name();
                std::string image = stance.ImageName();
                AttackEffect.raise(name, image);
            }
        } else {
            ReportUnitMessage(stance.Name() + "を発動したが失敗");
            cDamage.DirectAttack(true);
        }
        return {countered, true};
    }
    if (stance.Name() == special_skill::kIronWall) {
        ReportUnitMessage("鉄壁でダメージを受けない");
        return {true, false};
    }
    bool countered = RollCounter(cDamage, stance);
    ReportUnitMessage(stance.Name() + (countered ? "を発動した" : "を発動したが失敗"));
    return {countered, true};
}

bool clsUnit::RollCounter(clsDamage& cDamage, const clsSkillData& stance) {
    if (!CheckPercent(stance.Hit())) return false;
    // The counter's products are formed in single precision: 15 x 0.9 is 13.5 and deals 14.
    const float incoming = static_cast<float>(cDamage.Physical());
    if (CheckPercent(stance.Critical())) {
        std::string critical = "クリティカル!";
        Notification.raise(critical);
        const float physical = incoming * stance.Physical() * 2.0f;
        cDamage.Physical(saturate16(static_cast<double>(physical)));
    } else {
        const float physical = incoming * stance.Physical();
        cDamage.Physical(saturate16(static_cast<double>(physical)));
    }
    const float energy = static_cast<float>(cBaseUnit->GetOffense()) * stance.Enegry();
    cDamage.Energy(saturate16(static_cast<double>(energy)));
    cDamage.Effect(stance.Effect());
    cDamage.DirectAttack(stance.DirectAttack());
    cDamage.Physical(mdlZRDFunc::CalcConditionValue(cBaseUnit->GetCondition(), cDamage.Physical()));
    return true;
}

std::int16_t clsUnit::GetEffectiveDefense() {
    std::int16_t defense = cBaseUnit->GetDefense();
    double multiplier = cUnitStatus.GetStatusEffect(status_multiplier::kDefense);
    return saturate16(defense * multiplier);
}

void clsUnit::TakeDamage(clsDamage& cDamage) {
    const std::int16_t defense = GetEffectiveDefense();
    const std::int16_t blow = cDamage.Physical();
    if (!cDamage.DirectAttack()) {
        if (blow > defense) {
            std::int16_t loss = saturate16(std::int64_t{blow} - defense);
            Physical = saturate16(std::int64_t{Physical} - loss);
            ReportUnitMessage(std::to_string(loss) + "のダメージ");
        } else if (blow > 0) {
            ReportUnitMessage("ダメージを受けない");
        }
    } else if (blow > 0) {
        Physical = saturate16(std::int64_t{Physical} - blow);
        ReportUnitMessage(std::to_string(blow) + "のダメージ");
    }

    if (cDamage.Effect() > 0) {
        cBaseUnit->CheckEffect(cDamage);
        std::int16_t duration = GetEffectDuration(effect_duration::kReceived);
        cUnitStatus.SufferEffect(cDamage.Effect(), duration);
    }

    if (cDamage.Energy() > 0) {
        if (Energy > cDamage.Energy())
            ReportUnitMessage("気力が" + std::to_string(cDamage.Energy()) + "減った");
        else
            ReportUnitMessage("気力が" + std::to_string(saturate16(Fix(Energy))) + "減った");
        Energy -= cDamage.Energy();
        if (Energy < 0) Energy = 0;
    }

    if (Physical <= 0) {
        Physical = 0;
        GiveUp = true;
    }
}

void clsUnit::onDelayedAction(const std::string& SkillName) {
    if (SkillName == special_skill::kWheel) {
        const clsSkillData& skill = cBaseUnit->GetSkill(SkillName);
        std::int16_t duration = GetEffectDuration(effect_duration::kReceived);
        cUnitStatus.SufferEffect(skill.Effect(), duration);
    } else if (SkillName == special_skill::kWoodpecker) {
        const clsSkillData& skill = cBaseUnit->GetSkill(SkillName);
        // Formed in single precision, as the counter's.
        const float offence = static_cast<float>(cBaseUnit->GetOffense());
        const float physical = offence * skill.Physical();
        const float energy = offence * skill.Enegry();
        clsDamage strike;
        strike.Physical(saturate16(static_cast<double>(physical)));
        strike.Energy(saturate16(static_cast<double>(energy)));
        strike.Effect(skill.Effect());
        strike.DirectAttack(true);
        strike.Physical(mdlZRDFunc::CalcConditionValue(cBaseUnit->GetCondition(), strike.Physical()));
        ReportUnitMessage("背後から現れた");
        std::string name = skill.Name();
        std::string image = skill.ImageName();
        AttackEffect.raise(name, image);
        AfterAttack.raise(strike);
    } else if (SkillName == special_skill::kCharge) {
        takeRecoil(mdlZRDFunc::RandomRate(10, 20));
    } else if (SkillName == special_skill::kCutIn) {
        takeRecoil(mdlZRDFunc::RandomRate(5, 15));
    }
}

void clsUnit::takeRecoil(double rate) {
    clsDamage recoil;
    recoil.Physical(saturate16(Fix(cBaseUnit->GetOffense() * rate)));
    recoil.DirectAttack(true);
    TakeDamage(recoil);
}
