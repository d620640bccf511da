#pragma once

#include <string_view>
#include <vector>

// The sound effects, each drawn at whatever sample rate it is asked for.
namespace tools::synth {

struct EffectDesign {
    std::string_view name;
    std::vector<float> (*render)(int rate);
};

// Every effect of the archive, by record name.
const std::vector<EffectDesign>& EffectDesigns();
// The effect of that name; throws std::logic_error when there is none.
const EffectDesign& EffectNamed(std::string_view name);

// The effects by family, each in its own file.
std::vector<EffectDesign> InterfaceEffects();
std::vector<EffectDesign> BattleEffects();
std::vector<EffectDesign> ElementEffects();

} // namespace tools::synth
