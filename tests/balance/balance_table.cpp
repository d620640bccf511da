#include "balance/balance_table.h"

#include <cstdio>

double StrategyRuns::mean(const std::function<double(const BalanceRun&)>& of) const {
    if (runs.empty()) return 0;
    double sum = 0;
    for (const BalanceRun& run : runs)
        sum += of(run);
    return sum / static_cast<double>(runs.size());
}

int StrategyRuns::count(const std::function<bool(const BalanceRun&)>& holds) const {
    int n = 0;
    for (const BalanceRun& run : runs)
        n += holds(run) ? 1 : 0;
    return n;
}

StrategyRuns playSeeds(const std::string& name, const PlayerMaker& make,
                       const std::vector<std::uint32_t>& seeds, int years) {
    StrategyRuns strategy{name, years, {}};
    for (std::uint32_t seed : seeds) {
        BalanceGame game(seed);
        strategy.runs.push_back(make(game)->play(years));
    }
    return strategy;
}

namespace {

std::string format(const char* pattern, double a, double b = 0, double c = 0) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

} // namespace

std::string balanceTable(const std::vector<StrategyRuns>& strategies) {
    std::string table =
        "| strategy (seeds x years) | withdrawn / admitted | first-year withdrawn | quest battles won / "
        "fought "
        "| tournaments won / entered | seeds with a win | seeds ranked up | injured share | seeds stuck "
        "| money start -> end | level sum start -> last graduation eve |\n"
        "|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const StrategyRuns& s : strategies) {
        const double lastLevel = s.mean([](const BalanceRun& r) {
            return r.levelBeforeGraduation.empty() ? 0.0 : r.levelBeforeGraduation.back();
        });
        table += "| " + s.name + format(" (%.0f x %.0f)", static_cast<double>(s.runs.size()), s.years) +
                 format(" | %.1f / %.1f", s.mean([](const BalanceRun& r) { return r.withdrawn; }),
                        s.mean([](const BalanceRun& r) { return r.admitted; })) +
                 format(" | %.1f", s.mean([](const BalanceRun& r) { return r.withdrawnFirstYear; })) +
                 format(" | %.1f / %.1f", s.mean([](const BalanceRun& r) { return r.questsWon; }),
                        s.mean([](const BalanceRun& r) { return r.questsFought; })) +
                 format(" | %.1f / %.1f", s.mean([](const BalanceRun& r) { return r.tournamentsWon; }),
                        s.mean([](const BalanceRun& r) { return r.tournamentsEntered; })) +
                 format(" | %.0f", s.count([](const BalanceRun& r) { return r.tournamentsWon > 0; })) +
                 format(" | %.0f", s.count([](const BalanceRun& r) { return r.rankAtEnd > r.rankAtStart; })) +
                 format(" | %.2f", s.mean([](const BalanceRun& r) { return r.injuredShare(); })) +
                 format(" | %.0f", s.count([](const BalanceRun& r) { return r.stuck; })) +
                 format(" | %.0f -> %.0f", s.mean([](const BalanceRun& r) { return r.moneyAtStart; }),
                        s.mean([](const BalanceRun& r) { return r.moneyAtEnd; })) +
                 format(" | %.1f -> %.1f |\n", s.mean([](const BalanceRun& r) { return r.levelAtStart; }),
                        lastLevel);
    }
    return table;
}
