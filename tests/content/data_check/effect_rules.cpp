// Rules for the effect table: its rows played through the real table, their
// pictures and frames against the picture table, their sounds against the
// sound archive, and the rows the battle asks for by name.
#include "content/data_check/data_check.h"

#include "battle/battle_codes.h"
#include "battleview/battle_effects.h"
#include "platform/assets/asset_table.h"
#include "platform/rules/mdl_zrd_func.h"

#include "host/runtime/strings.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kSpotSize = 50;
constexpr long kEffectRows = 39;

const std::map<std::string, const tools::PictureBudget*>& effectPictures() {
    static const auto pictures = [] {
        std::map<std::string, const tools::PictureBudget*> byName;
        for (const auto& picture : tools::PictureBudgets())
            if (picture.kind == tools::PictureKind::Effect)
                byName.emplace(std::string(picture.name), &picture);
        return byName;
    }();
    return pictures;
}

// The picture names a row draws: its own, or one per side.
std::vector<std::string> picturesOfRow(const clsBattleEffect& row) {
    if (row.Common()) return {row.EffectName()};
    return {row.EffectName() + "左", row.EffectName() + "右"};
}

void checkPicture(Findings& findings, const clsBattleEffect& row, const std::string& name) {
    const std::string where = "effect " + row.EffectName() + ": picture " + name;
    const auto found = effectPictures().find(name);
    if (found == effectPictures().end()) {
        findings.add(where + " is no effect picture");
        return;
    }
    const tools::PictureBudget& picture = *found->second;
    if (picture.frames != row.Count())
        findings.add(where + " has " + std::to_string(picture.frames) + " frames, the row counts " +
                     std::to_string(row.Count()));
    const bool vertical = picture.layout == tools::FrameLayout::Vertical;
    if (!row.Whole()) {
        if (!vertical || picture.frameWidth() != kSpotSize || picture.frameHeight() != kSpotSize)
            findings.add(where + " has no 50 x 50 frames one under the other for a spot effect");
    } else if (vertical != (row.ImageType() == 1)) {
        findings.add(where + " lays its frames out otherwise than image type " +
                     std::to_string(row.ImageType()));
    }
}

bool loadEffects(const MasterData& data, BattleEffects& effects, Findings& findings) {
    try {
        effects.SetData(data.sections.section[GameDataSection::BattleEffects]);
    } catch (const std::exception& e) {
        findings.add(std::string("the effect table does not load: ") + e.what());
        return false;
    }
    return true;
}

} // namespace

QUORVEL_DATA_RULE("39 effect rows draw effect pictures of their frames and play effect sounds of the archive",
                  [](const MasterData& data, Findings& findings) {
                      BattleEffects effects;
                      if (!loadEffects(data, effects, findings)) return;
                      if (effects.count() != kEffectRows)
                          findings.add(std::to_string(effects.count()) + " effect rows");
                      std::set<std::string> sounds;
                      for (const auto& sound : AssetTable::SoundRecords())
                          if (sound.type == AssetTable::kEffectType) sounds.emplace(sound.name);
                      std::set<std::string> drawn;
                      for (const auto& line : host::runtime::Split(
                               data.sections.section[GameDataSection::BattleEffects], "\r\n")) {
                          clsBattleEffect row;
                          row.SetData(line);
                          for (const std::string& name : picturesOfRow(row)) {
                              checkPicture(findings, row, name);
                              drawn.insert(name);
                          }
                          if (!sounds.count(row.Sound()))
                              findings.add("effect " + row.EffectName() + ": no effect sound " + row.Sound());
                      }
                      for (const auto& [name, picture] : effectPictures())
                          if (!drawn.count(name)) findings.add("no effect row draws the picture " + name);
                  });

QUORVEL_DATA_RULE("every basic attack and 津波 have their effect rows",
                  [](const MasterData& data, Findings& findings) {
                      BattleEffects effects;
                      if (!loadEffects(data, effects, findings)) return;
                      std::vector<std::string> wanted{mdlZRDFunc::GetBasicAttackName("", true), "津波"};
                      for (std::string_view type : formation_type::kAll)
                          wanted.push_back(mdlZRDFunc::GetBasicAttackName(type, false));
                      for (const std::string& name : wanted) {
                          try {
                              effects.item(name);
                          } catch (const std::exception&) {
                              findings.add("no effect row " + name);
                          }
                      }
                  });
