#pragma once

#include "tools/assets/sound/score.h"

#include <string_view>
#include <vector>

namespace tools::synth {

// The eight pieces of loop music, by record name.
const std::vector<Score>& MusicScores();
// The piece of that name; throws std::logic_error when there is none.
const Score& MusicScore(std::string_view name);

} // namespace tools::synth
