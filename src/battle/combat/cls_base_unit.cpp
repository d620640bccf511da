#include "battle/combat/cls_base_unit.h"

#include "battle/battle_codes.h"
#include "host/runtime/saturate.h"
#include "platform/rules/mdl_zrd_func.h"

using host::runtime::Fix;
using host::runtime::KeyFold;
using host::runtime::saturate16;
using mdlZRDFunc::CheckPercent;
using mdlZRDFunc::RandomInt;

clsBaseUnit::clsBaseUnit()
    : sheet_(std::make_shared<clsFixUnitData>()), skills_(KeyFold::IgnoreCaseAndWidth),
      lineDatas_(KeyFold::IgnoreCaseAndWidth) {}

void clsBaseUnit::SetUnitSkills(Skills pclUnitSkills) {
    while (pclUnitSkills.count() > battle_limit::kSkills)
        pclUnitSkills.remove(pclUnitSkills.count());
    skills_ = std::move(pclUnitSkills);
}

bool clsBaseUnit::GetComSkill(std::int16_t Energy, std::string& SkillName) const {
    std::vector<const clsSkillData*> skills;
    for (const clsSkillData* skill : skills_)
        skills.push_back(skill);
    return comThink_.DesideHumanSkill(SkillName, Energy, sheet_->UnitType(), skills);
}

std::int16_t clsBaseUnit::GetNowPerMaxPhysical() const {
    if (physical_ == 0 || sheet_->Physical() == 0) return 0;
    return saturate16(Fix(static_cast<double>(physical_) / sheet_->Physical() * 100));
}

bool clsBaseUnit::GetUseSkill(const std::string& SkillName, std::int16_t Energy,
                              std::int16_t& UseEnergy) const {
    if (SkillName.empty()) return false;
    UseEnergy = GetSkill(SkillName).UseEnegry();
    return UseEnergy <= Energy;
}

std::vector<std::string> clsBaseUnit::GetSkillsName() const {
    std::vector<std::string> names;
    for (const clsSkillData* skill : skills_)
        names.push_back(skill->Name());
    return names;
}

std::int16_t clsBaseUnit::GetDefense() const {
    return mdlZRDFunc::CalcConditionValue(sheet_->Condition(), sheet_->Defense());
}

std::int16_t clsBaseUnit::GetConditionHitBonus() const {
    switch (sheet_->Condition()) {
    case 1:
        return static_cast<std::int16_t>(-RandomInt(5, 10));
    case 2:
        return static_cast<std::int16_t>(-RandomInt(3, 6));
    case 4:
        return RandomInt(3, 6);
    case 5:
        return RandomInt(5, 10);
    default:
        return 0;
    }
}

double clsBaseUnit::desperationRate() const {
    if (sheet_->Physical() == 0) return 0;
    return mdlZRDFunc::GetDesperationRate(sheet_->Physical(), physical_);
}

void clsBaseUnit::notify(std::string message) {
    Notification.raise(message);
}

void clsBaseUnit::attackEffect(std::string skill, std::string effect) {
    AttackEffect.raise(skill, effect);
}

bool clsBaseUnit::PreAttack(const std::string& SkillName, clsDamage& cDamage) {
    notify(sheet_->UnitName() + "の攻撃");
    if (!SkillName.empty()) return PrepareSkill(SkillName, cDamage);
    std::int16_t bonus = GetConditionHitBonus();
    if (!CheckPercent(saturate16(std::int64_t{70} + bonus))) {
        notify("miss");
        return false;
    }
    cDamage.BattleCounter(1);
    cDamage.DirectAttack(false);
    attackEffect("", mdlZRDFunc::GetBasicAttackName(sheet_->UnitType(), monster_));
    return true;
}

bool clsBaseUnit::PrepareSkill(const std::string& SkillName, clsDamage& cDamage) {
    const clsSkillData& skill = GetSkill(SkillName);
    const std::string& name = skill.Name();
    if (skill.Target() != skill_kind::kCounterStance && skill.Target() != skill_kind::kGuardStance)
        notify(name == special_skill::kWait ? SkillName + "した" : name + "を発動");

    auto wait = std::make_shared<clsUnitWait>();
    wait->SkillName(name);
    wait->WaitStatus(wait_status::kIdle);

    if (skill.Random())
        cDamage.BattleCounter(RandomInt(saturate16(std::int64_t{skill.Count()} - 2), skill.Count()));
    else
        cDamage.BattleCounter(skill.Count());

    bool blows = false;
    switch (skill.Target()) {
    case skill_kind::kAttack:
    case skill_kind::kAttackToo:
        cDamage.Effect(skill.Effect());
        blows = true;
        if (name == special_skill::kWheel) {
            wait->Effect(skill.Effect());
            wait->WaitStatus(wait_status::kDelayed);
            wait->Count(0);
            cDamage.Effect(0);
        } else if (name == special_skill::kWoodpecker) {
            wait->Effect(skill.Effect());
            wait->WaitStatus(wait_status::kDelayed);
            std::int16_t lurk = RandomInt(10, saturate16(std::int64_t{40} - sheet_->Understanding()));
            wait->Count(saturate16(std::int64_t{lurk} + 10));
        } else if (name == special_skill::kCutIn || name == special_skill::kCharge) {
            wait->WaitStatus(wait_status::kDelayed);
            wait->Count(0);
        }
        break;
    case skill_kind::kSelf: {
        if (skill.Image()) attackEffect(name, skill.ImageName());
        // Formed in single precision: 85 x 0.1 is 8.5 exactly and heals 8.
        const float heal = static_cast<float>(sheet_->Offensive()) * skill.Physical();
        std::int16_t amount = saturate16(static_cast<double>(heal));
        std::int32_t effect = skill.Effect();
        Recover.raise(amount, effect);
        break;
    }
    case skill_kind::kCounterStance:
        wait->WaitStatus(wait_status::kCounterStance);
        wait->Count(100);
        wait->Effect(skill.Effect());
        break;
    case skill_kind::kGuardStance:
        wait->WaitStatus(wait_status::kGuardStance);
        wait->Count(100);
        wait->Effect(skill.Effect());
        break;
    default:
        break;
    }
    ExceptionSkill.raise(wait);
    return blows;
}

bool clsBaseUnit::Attack(const std::string& SkillName, std::string_view DefenseType, clsDamage& cDamage) {
    bool hit = true;
    if (SkillName.empty()) {
        double factor = mdlZRDFunc::GetLineTypeFactor(sheet_->UnitType(), DefenseType);
        cDamage.Physical(saturate16(sheet_->Offensive() * factor));
        if (CheckPercent(saturate16(std::int64_t{sheet_->Critical()} + 5))) {
            cDamage.Physical(saturate16(std::int64_t{cDamage.Physical()} * 2));
            notify("クリティカル!");
        }
    } else {
        hit = UseSkill(SkillName, DefenseType, cDamage);
    }
    cDamage.Physical(mdlZRDFunc::CalcConditionValue(sheet_->Condition(), cDamage.Physical()));
    return hit;
}

bool clsBaseUnit::UseSkill(const std::string& SkillName, std::string_view DefenseType, clsDamage& cDamage) {
    const clsSkillData& skill = GetSkill(SkillName);
    const std::string& name = skill.Name();
    const double F = mdlZRDFunc::GetLineTypeFactor(sheet_->UnitType(), DefenseType);
    const double O = sheet_->Offensive();
    const double P = skill.Physical();
    const bool swallow = name == special_skill::kSwallowReturn;

    std::int16_t bonus = GetConditionHitBonus();
    if (!CheckPercent(saturate16(std::int64_t{skill.Hit()} + bonus))) {
        if (swallow && cDamage.Tag() == "miss") {
            cDamage.Physical(saturate16(Fix(P * O * F * 3)));
            cDamage.DirectAttack(true);
            notify("クリティカル!");
            attackEffect(name, skill.ImageName());
            return true;
        }
        if (swallow && cDamage.Tag().empty()) cDamage.Tag("miss");
        notify("miss");
        return false;
    }

    if (CheckPercent(saturate16(std::int64_t{skill.Critical()} + sheet_->Critical()))) {
        cDamage.Physical(saturate16(P * O * F * 2));
        if (name != special_skill::kWoodpecker) notify("クリティカル!");
    } else {
        cDamage.Physical(saturate16(P * O * F));
    }
    cDamage.Energy(saturate16(static_cast<double>(skill.Enegry()) * O));
    cDamage.DirectAttack(skill.DirectAttack());
    bool hit = true;
    if (name == special_skill::kWoodpecker) hit = false;
    if (name == special_skill::kLastStand) cDamage.Physical(saturate16(Fix(O * desperationRate())));
    if (swallow) {
        if (cDamage.Tag().empty()) {
            cDamage.Tag("hit");
        } else if (cDamage.Tag() == "miss") {
            cDamage.Physical(saturate16(Fix(P * O * F * 3)));
            cDamage.DirectAttack(true);
            notify("クリティカル!");
        }
    }
    if (skill.Image() && hit) attackEffect(name, skill.ImageName());
    return hit;
}
