#include "balance/battle_arena.h"

#include "battle/battle_codes.h"
#include "battle/combat/headless_battle.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/masterdata/game_data_sections.h"
#include "school/quests/monster_regions.h"
#include "state/state_support.h"
#include "students/abilities.h"
#include "students/students_support.h"
#include "support/facade_managers.h"

#include <algorithm>
#include <map>

namespace {

std::vector<std::vector<std::string>> rowsOf(int section) {
    const GameDataSections sections = SplitGameData(statetest::packedMasterData());
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : host::runtime::Split(sections.section[section], "\r\n"))
        if (!line.empty()) rows.push_back(host::runtime::Split(line, ","));
    return rows;
}

} // namespace

FightTally& FightTally::operator+=(const FightTally& other) {
    fights += other.fights;
    wins += other.wins;
    draws += other.draws;
    timeouts += other.timeouts;
    return *this;
}

BattleArena::BattleArena(std::uint32_t seed) : game_(seed) {}

const clsLines& BattleArena::lines() const {
    return managers(const_cast<BalanceGame&>(game_).data()).lines();
}

std::vector<clsSchool> BattleArena::rivals(std::int16_t rank) const {
    const std::int16_t pool =
        rank >= tournament::kLargeFieldRank ? tournament::kLargePool : tournament::kSmallPool;
    std::vector<clsSchool> schools;
    for (const auto& row : rowsOf(GameDataSection::RivalSchools)) {
        clsSchool school;
        school.SetData(host::runtime::Join(row, ","));
        if (school.Rank() == rank && static_cast<std::int16_t>(schools.size()) < pool)
            schools.push_back(school);
    }
    return schools;
}

std::vector<QuestMonster> BattleArena::questMonsters() const {
    std::map<std::string, std::int16_t> lowest;
    auto meet = [&lowest](const std::string& name, std::int16_t rank) {
        const auto found = lowest.find(name);
        if (found == lowest.end() || found->second > rank) lowest[name] = rank;
    };
    for (const auto& row : rowsOf(GameDataSection::Quests)) {
        const auto rank = static_cast<std::int16_t>(std::stoi(row[1]));
        const std::string monster = host::text::toWide(row[9]);
        const MonsterRegions::Region* region = MonsterRegions::findRegion(monster);
        if (!region) {
            meet(monster, rank);
            continue;
        }
        for (auto index = region->first; index <= region->last; ++index)
            meet(std::string(MonsterRegions::MonsterNames[static_cast<std::size_t>(index)]), rank);
    }
    std::vector<QuestMonster> monsters;
    for (const auto& [name, rank] : lowest)
        monsters.push_back({name, rank});
    std::stable_sort(monsters.begin(), monsters.end(),
                     [](const QuestMonster& a, const QuestMonster& b) { return a.rank < b.rank; });
    return monsters;
}

std::shared_ptr<clsUnit> BattleArena::academy(const std::string& line, std::int16_t level,
                                              std::int16_t formation, std::int32_t control) const {
    std::vector<studentstest::Entry> abilities;
    for (std::int16_t n = 1; n <= ability::kCount; ++n)
        abilities.push_back({1, n, ability::isFormation(n) ? formation : level});
    const std::string text = studentstest::abilityText(abilities);
    std::vector<std::unique_ptr<clsStudent>> students;
    host::runtime::Collection<const clsStudent*> members;
    clsUnitData team;
    team.LineName(line);
    for (std::int16_t position = 1; position <= battle_limit::kPositions; ++position) {
        auto student = std::make_unique<clsStudent>();
        student->Name("生徒" + std::to_string(position));
        student->SetStudentData(text);
        student->Condition(team_strength::kMonsterCondition);
        team.Lines(position, student->Name());
        members.add(student.get(), student->Name());
        students.push_back(std::move(student));
    }
    auto sheet = lines().GetUnitLineCalc(team, members, clsBattleItem());
    sheet->Condition(team_strength::kMonsterCondition);
    sheet->UnitName(clsData::AcademyUnitName);
    auto core = std::make_shared<clsBaseUnit>();
    core->SetFixUnitData(sheet);
    lines().GetHumanUnitData(line, *core);
    auto unit = std::make_shared<clsUnit>();
    unit->SetHumanUnit(core, control);
    return unit;
}

std::shared_ptr<clsUnit> BattleArena::rival(const clsSchool& school, std::int16_t season) const {
    auto sheet = lines().SchoolUnitCalc(school.LineName(), school.Understanding(), school.BasePoint(),
                                        clsBattleItem(), season);
    sheet->Condition(team_strength::kMonsterCondition);
    sheet->UnitName(school.SchoolName());
    auto core = std::make_shared<clsBaseUnit>();
    core->SetFixUnitData(sheet);
    lines().GetHumanUnitData(school.LineName(), *core);
    auto unit = std::make_shared<clsUnit>();
    unit->SetHumanUnit(core, unit_control::kComputer);
    return unit;
}

std::shared_ptr<clsUnit> BattleArena::monster(const std::string& name) const {
    auto core = std::make_shared<clsBaseUnit>();
    core->SetFixUnitData(lines().GetMonsterFixUnitData(name));
    core->LetIsMonster();
    lines().GetMonsterUnitData(name, *core);
    auto unit = std::make_shared<clsUnit>();
    unit->SetMonsterUnit(core, unit_control::kComputer);
    return unit;
}

FightTally BattleArena::fight(const clsBattleRegulation& rules, const Maker& left, const Maker& right,
                              int fights) const {
    FightTally tally;
    for (int k = 0; k < fights; ++k) {
        const auto a = left();
        const auto b = right();
        a->UnitInit(100);
        b->UnitInit(100);
        HeadlessBattle battle(rules);
        battle.run(*a, *b);
        ++tally.fights;
        if (battle.resultUnit() == a->GetUnitName()) ++tally.wins;
        if (battle.resultUnit() == "draw") ++tally.draws;
        if (!a->GetGiveUp() && !b->GetGiveUp()) ++tally.timeouts;
    }
    return tally;
}

std::string BattleArena::tournament(const std::shared_ptr<clsUnit>& academy, std::int16_t rank,
                                    std::int16_t month) {
    host::runtime::Collection<std::shared_ptr<clsUnit>> units;
    units.add(academy, academy->GetUnitName());
    lines().SetSchoolUnit(rank, units, month);
    std::int16_t recover = 0;
    const clsBattleRegulation rules = lines().GetBattleRegulation(month, rank, recover);
    game_.host().SetBattleGame(rules, units, recover);
    return game_.host().places().back();
}
