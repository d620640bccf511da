#include "battle/battle_codes.h"
#include "battle/combat/headless_battle.h"
#include "platform/services/silent_services.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<clsSkillData> skill(std::string name, std::int16_t cost, std::int16_t count,
                                    std::int32_t target, float physical, std::int32_t effect) {
    auto s = std::make_unique<clsSkillData>();
    s->Name(std::move(name));
    s->UseEnegry(cost);
    s->Count(count);
    s->Hit(80);
    s->Critical(5);
    s->Target(target);
    s->Random(count > 2);
    s->Physical(physical);
    s->Enegry(0.1f);
    s->Effect(effect);
    return s;
}

// Two computer formations too sturdy to fall within 3,000 ticks, with a
// skill of every kind, fighting the whole battle.
struct Battle {
    ScopedSilentServices silent;
    std::vector<std::unique_ptr<clsSkillData>> skills;
    clsUnit left;
    clsUnit right;
    clsBattleRegulation rules;

    Battle() {
        skills.push_back(skill("連撃", 25, 3, skill_kind::kAttack, 0.7f, 0));
        skills.push_back(skill("ツバメ返し", 45, 3, skill_kind::kAttack, 0.9f, 8));
        skills.push_back(skill("返し", 20, 1, skill_kind::kCounterStance, 0.8f, 1));
        skills.push_back(skill("きつつき", 30, 1, skill_kind::kAttack, 1.5f, 128));
        skills.push_back(skill("突撃", 30, 1, skill_kind::kAttack, 1.6f, 0));
        skills.push_back(skill("瞑想", 40, 1, skill_kind::kSelf, 0.5f, 256));
        left.SetHumanUnit(core("東校", "攻撃", 70, 45), unit_control::kComputer);
        right.SetHumanUnit(core("西校", "奇襲", 65, 50), unit_control::kComputer);
        rules.BattleTime(battle_time::kLong);
    }

    std::shared_ptr<clsBaseUnit> core(const std::string& name, const std::string& type, std::int16_t offense,
                                      double speed) {
        auto sheet = std::make_shared<clsFixUnitData>();
        sheet->UnitName(name);
        sheet->UnitType(type);
        sheet->Physical(30000);
        sheet->Offensive(offense);
        sheet->Defense(20);
        sheet->Speed(speed);
        sheet->Energy(40);
        sheet->Condition(3);
        auto unit = std::make_shared<clsBaseUnit>();
        unit->SetFixUnitData(sheet);
        clsBaseUnit::Skills list(host::runtime::KeyFold::IgnoreCaseAndWidth);
        for (const auto& s : skills)
            list.add(s.get(), s->Name());
        unit->SetUnitSkills(std::move(list));
        return unit;
    }
};

void BM_WholeBattleOf3000Ticks(benchmark::State& state) {
    Battle battle;
    for (auto _ : state) {
        battle.left.UnitInit(100);
        battle.right.UnitInit(100);
        HeadlessBattle run(battle.rules);
        run.run(battle.left, battle.right);
        benchmark::DoNotOptimize(run.ticks());
        if (run.ticks() != 3000) state.SkipWithError("the battle ended early");
    }
}
BENCHMARK(BM_WholeBattleOf3000Ticks)->Unit(benchmark::kMillisecond);

} // namespace
