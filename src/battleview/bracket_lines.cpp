#include "battleview/bracket_lines.h"

#include <cstddef>

std::vector<IncomingLines> incomingLines(const std::vector<bracket::Match>& matches, std::int32_t height) {
    std::vector<IncomingLines> lines(matches.size());
    const std::int16_t firstRound = matches.empty() ? 0 : matches.front().round;
    for (std::size_t k = 0; k < matches.size(); ++k) {
        const std::int16_t round = matches[k].round;
        if (round == 1) {
            lines[k] = {height / 2, height / 2};
            continue;
        }
        if (round == firstRound) continue;
        // The m-th match of each half of the round, counted from the round's first match.
        std::size_t first = k;
        while (first > 0 && matches[first - 1].round == round)
            --first;
        const std::size_t half = (std::size_t{1} << (round - 1)) / 2;
        const std::int32_t h = height / (1 << round);
        const auto m = static_cast<std::int32_t>((k - first) % half + 1);
        lines[k] = {(4 * m - 3) * h, (4 * m - 3) * h + 2 * h};
    }
    return lines;
}
