#pragma once

#include "balance/balance_game.h"
#include "battle/battle_codes.h"
#include "battle/catalogue/cls_lines.h"
#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_unit.h"
#include "battle/records/cls_school.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Left's results over a run of battles.
struct FightTally {
    int fights = 0;
    int wins = 0;
    int draws = 0;
    // Battles the judgement decided after the time ran out.
    int timeouts = 0;

    double winRate() const { return fights ? static_cast<double>(wins) / fights : 0; }
    double timeoutRate() const { return fights ? static_cast<double>(timeouts) / fights : 0; }
    FightTally& operator+=(const FightTally& other);
};

// A monster a quest fight can draw, with the lowest rank of quest that meets it.
struct QuestMonster {
    std::string name;
    std::int16_t rank = 0;
};

// The real battle catalogue of the packed master data, its combatants fought
// headless with draws from the given seed.
class BattleArena {
  public:
    using Maker = std::function<std::shared_ptr<clsUnit>()>;

    explicit BattleArena(std::uint32_t seed);

    const clsLines& lines() const;
    // The rival schools tournaments draw at the rank, in catalogue order.
    std::vector<clsSchool> rivals(std::int16_t rank) const;
    // Every monster a quest meets, by name or by its region.
    std::vector<QuestMonster> questMonsters() const;

    // Five students with every ability at level and every formation ability
    // at formation, fighting in that formation: under the computer, which
    // uses the skills, or under a player who gives no orders (basic attacks).
    std::shared_ptr<clsUnit> academy(const std::string& line, std::int16_t level, std::int16_t formation,
                                     std::int32_t control = unit_control::kComputer) const;
    // The school's team as a tournament of the season fields it.
    std::shared_ptr<clsUnit> rival(const clsSchool& school, std::int16_t season) const;
    std::shared_ptr<clsUnit> monster(const std::string& name) const;

    // Fresh combatants fought that many times; left's results.
    FightTally fight(const clsBattleRegulation& rules, const Maker& left, const Maker& right,
                     int fights) const;
    // The academy's placing in the rank's tournament of that month: "1" when it wins.
    std::string tournament(const std::shared_ptr<clsUnit>& academy, std::int16_t rank, std::int16_t month);

  private:
    BalanceGame game_;
};
