#pragma once

#include "battle/battle_codes.h"
#include "battle/combat/cls_base_unit.h"
#include "battle/combat/cls_fix_unit_data.h"
#include "battle/combat/cls_unit.h"
#include "battle/records/cls_skill_data.h"
#include "host/runtime/collection.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace combattest {

// A chance roll (a draw of 0 passes any chance of 0 or more) and one that
// fails any chance below 100.
inline constexpr float kPass = 0.0f;
inline constexpr float kFail = 0.999f;

// The draw r that makes RandomInt(lo, hi) give value.
inline float drawFor(int lo, int hi, int value) {
    return static_cast<float>(value - lo) / static_cast<float>(hi - lo);
}

// The draw of the random rate 0.80 .. 1.20 that gives percent / 100.
inline float rateOf(int percent) {
    return drawFor(80, 120, percent);
}

struct SkillRow {
    std::string name = {};
    std::int16_t cost = 0;
    std::int16_t count = 1;
    std::int16_t hit = 100;
    std::int16_t critical = 0;
    std::int32_t target = skill_kind::kAttack;
    bool random = false;
    float physical = 1.0f;
    float energy = 0.0f;
    std::int32_t effect = 0;
    bool direct = false;
    bool image = false;
    std::string imageName = {};
};

// Skills kept alive for the combatants made from them.
class SkillBook {
  public:
    clsBaseUnit::Skills collection(const std::vector<SkillRow>& rows) {
        clsBaseUnit::Skills skills(host::runtime::KeyFold::IgnoreCaseAndWidth);
        for (const auto& row : rows) {
            auto skill = std::make_unique<clsSkillData>();
            skill->Name(row.name);
            skill->UseEnegry(row.cost);
            skill->Count(row.count);
            skill->Hit(row.hit);
            skill->Critical(row.critical);
            skill->Target(row.target);
            skill->Random(row.random);
            skill->Physical(row.physical);
            skill->Enegry(row.energy);
            skill->Effect(row.effect);
            skill->DirectAttack(row.direct);
            skill->Image(row.image);
            skill->ImageName(row.imageName);
            skills.add(skill.get(), row.name);
            owned_.push_back(std::move(skill));
        }
        return skills;
    }

  private:
    std::vector<std::unique_ptr<clsSkillData>> owned_;
};

struct SheetValues {
    std::string name = "甲";
    std::string type = "攻撃";
    std::int16_t physical = 100;
    std::int16_t offense = 100;
    std::int16_t defense = 0;
    double speed = 50;
    double energy = 40;
    std::int16_t understanding = 0;
    std::int32_t condition = 0;
    std::int16_t critical = 0;
};

inline std::shared_ptr<clsFixUnitData> makeSheet(const SheetValues& values) {
    auto sheet = std::make_shared<clsFixUnitData>();
    sheet->UnitName(values.name);
    sheet->UnitType(values.type);
    sheet->Physical(values.physical);
    sheet->Offensive(values.offense);
    sheet->Defense(values.defense);
    sheet->Speed(values.speed);
    sheet->Energy(values.energy);
    sheet->Understanding(values.understanding);
    sheet->Condition(values.condition);
    sheet->Critical(values.critical);
    return sheet;
}

// A core with its sheet and skills, and every message it raises.
struct Core {
    SkillBook book;
    std::shared_ptr<clsBaseUnit> core = std::make_shared<clsBaseUnit>();
    std::vector<std::string> messages;
    std::vector<std::string> effects;

    explicit Core(const SheetValues& sheet, const std::vector<SkillRow>& skills = {}) {
        core->SetFixUnitData(makeSheet(sheet));
        core->SetUnitSkills(book.collection(skills));
        core->Notification.subscribe([this](std::string& text) { messages.push_back(text); });
        core->AttackEffect.subscribe(
            [this](std::string& skill, std::string& effect) { effects.push_back(skill + "/" + effect); });
    }
};

// A combatant in battle over its own core, with every message it logs.
struct Fighter {
    SkillBook book;
    clsUnit unit;
    std::vector<std::string> messages;
    std::vector<std::string> effects;
    std::vector<std::string> reserved;
    int attacks = 0;

    Fighter(const SheetValues& sheet, const std::vector<SkillRow>& skills = {},
            std::int32_t control = unit_control::kPlayer) {
        auto core = std::make_shared<clsBaseUnit>();
        core->SetFixUnitData(makeSheet(sheet));
        core->SetUnitSkills(book.collection(skills));
        unit.SetHumanUnit(core, control);
        unit.UnitInit(0);
        unit.Notification.subscribe([this](std::string& text) { messages.push_back(text); });
        unit.AttackEffect.subscribe(
            [this](std::string& skill, std::string& effect) { effects.push_back(skill + "/" + effect); });
        unit.ComSetSkill.subscribe([this](std::string& skill) { reserved.push_back(skill); });
        unit.AttackEvent.subscribe([this] { ++attacks; });
    }
};

} // namespace combattest
