#include "tools/assets/sound/effects.h"

#include <stdexcept>
#include <string>

namespace tools::synth {

const std::vector<EffectDesign>& EffectDesigns() {
    static const std::vector<EffectDesign> designs = [] {
        std::vector<EffectDesign> all;
        for (auto family : {InterfaceEffects, BattleEffects, ElementEffects}) {
            const auto effects = family();
            all.insert(all.end(), effects.begin(), effects.end());
        }
        return all;
    }();
    return designs;
}

const EffectDesign& EffectNamed(std::string_view name) {
    for (const auto& design : EffectDesigns())
        if (design.name == name) return design;
    throw std::logic_error("no effect for \"" + std::string(name) + "\"");
}

} // namespace tools::synth
