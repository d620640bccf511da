#pragma once

#include "tools/assets/budget_table.h"

#include <cstdint>
#include <vector>

// The sounds of the archive, one generator per kind of record.
namespace tools {

// A music record: an Ogg Vorbis stream.
std::vector<std::uint8_t> GenerateMusic(const SoundBudget& record);
// An effect record: a WAV file within the record's budget.
std::vector<std::uint8_t> GenerateEffect(const SoundBudget& record);

// The record's sound by its kind's generator.
std::vector<std::uint8_t> GenerateSound(const SoundBudget& record);

} // namespace tools
