#pragma once

#include "tools/assets/budget_table.h"

#include <cstdint>
#include <vector>

// The sounds of the archive, one generator per kind of record.
namespace tools {

// Music is drawn and encoded at this rate, the mixer's own, so it plays unresampled.
inline constexpr int kMusicRate = 44100;

// A music record: one loop of its piece as an Ogg Vorbis stream.
std::vector<std::uint8_t> GenerateMusic(const SoundBudget& record);
// An effect record: a mono WAV file, at the best rate and sample size that
// fit the record's budget.
std::vector<std::uint8_t> GenerateEffect(const SoundBudget& record);

// The record's sound by its kind's generator.
std::vector<std::uint8_t> GenerateSound(const SoundBudget& record);

} // namespace tools
