#pragma once

#include "balance/balance_player.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using PlayerMaker = std::function<std::unique_ptr<BalancePlayer>(BalanceGame&)>;

// One strategy played over several seeds.
struct StrategyRuns {
    std::string name;
    int years = 0;
    std::vector<BalanceRun> runs;

    // Means over the seeds.
    double mean(const std::function<double(const BalanceRun&)>& of) const;
    // Seeds for which the condition held.
    int count(const std::function<bool(const BalanceRun&)>& holds) const;
};

// Plays a new game per seed, each for the given years.
StrategyRuns playSeeds(const std::string& name, const PlayerMaker& make,
                       const std::vector<std::uint32_t>& seeds, int years);

// The strategies side by side, one markdown row each.
std::string balanceTable(const std::vector<StrategyRuns>& strategies);
