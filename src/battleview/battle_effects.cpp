#include "battleview/battle_effects.h"

#include "host/runtime/strings.h"

void BattleEffects::SetData(const std::string& strData) {
    for (const auto& line : host::runtime::Split(strData, "\r\n")) {
        if (line.empty()) continue;
        auto row = std::make_shared<clsBattleEffect>();
        row->SetData(line);
        const std::string name = row->EffectName();
        rows_.addNamed(std::move(row), name, "an effect row");
    }
}

const clsBattleEffect& BattleEffects::item(const std::string& EffectName) const {
    return *rows_.item(EffectName);
}
