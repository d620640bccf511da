// Rules for the battle catalogue: skills, formations, rival schools, monsters,
// tournament rules and prizes, played out through the catalogue itself.
#include "content/data_check/data_check.h"

#include "battle/battle_codes.h"
#include "battle/catalogue/cls_lines.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/utf.h"
#include "host/text/width.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

// The battle sections loaded as the facade loads them; false (with a
// finding) when a loader refuses its section.
bool loadCatalogue(const MasterData& data, clsLines& lines, Findings& findings) {
    const auto& s = data.sections.section;
    try {
        lines.SetSkillData(s[GameDataSection::Skills]);
        lines.SetLines(s[GameDataSection::Formations]);
        lines.SetLineSkills(s[GameDataSection::FormationSkills]);
        lines.SetLineDatas(s[GameDataSection::FormationPositions]);
        lines.SetSchool(s[GameDataSection::RivalSchools]);
        lines.SetMonster(s[GameDataSection::Monsters]);
        lines.SetMonsterSkill(s[GameDataSection::MonsterSkills]);
        lines.SetRegulation(s[GameDataSection::TournamentRules]);
        lines.SetPrize(s[GameDataSection::TournamentPrizes]);
    } catch (const std::exception& e) {
        findings.add(std::string("the battle catalogue does not load: ") + e.what());
        return false;
    }
    return true;
}

template <std::size_t N> bool oneOf(const std::array<std::string_view, N>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Kanji (and the iteration mark) or hiragana: no half-width form the loaders could mix up.
bool kanjiOrHiragana(const std::string& name) {
    const std::u16string units = host::text::utf8ToUtf16(name);
    if (units.empty()) return false;
    return std::all_of(units.begin(), units.end(), [](char16_t c) {
        return (c >= u'\u3041' && c <= u'\u309F') || (c >= u'\u4E00' && c <= u'\u9FFF') || c == u'\u3005';
    });
}

// A number field read as the loaders read it, checked against a range.
void checkRange(Findings& findings, const std::string& where, const std::string& what,
                const std::string& field, long lo, long hi) {
    const auto value = numberOf(field);
    if (!value || *value < lo || *value > hi)
        findings.add(where + ": " + what + " " + field + " is not in " + std::to_string(lo) + ".." +
                     std::to_string(hi));
}

void checkSkillCount(Findings& findings, const std::string& owner, long count) {
    if (count < 1 || count > battle_limit::kSkills)
        findings.add(owner + " has " + std::to_string(count) + " skills");
}

} // namespace

QUORVEL_DATA_RULE("the battle catalogue loads every battle section",
                  [](const MasterData& data, Findings& findings) {
                      clsLines lines;
                      loadCatalogue(data, lines, findings);
                  });

QUORVEL_DATA_RULE(
    "40 to 80 skills of kinds 1 to 5 with usable numbers, the special skills among them",
    [](const MasterData& data, Findings& findings) {
        const auto rows = data.rows(GameDataSection::Skills);
        if (rows.size() < 40 || rows.size() > 80) findings.add(std::to_string(rows.size()) + " skills");
        std::map<std::string, long> kinds;
        for (const auto& row : rows) {
            if (row.size() < 14) continue; // the loader refuses it
            const std::string where = "skill " + host::text::toWide(row[0]);
            for (std::size_t flag : {7, 11, 12})
                if (row[flag] != "True" && row[flag] != "False")
                    findings.add(where + ": field " + std::to_string(flag) + " " + row[flag]);
            checkRange(findings, where, "cost", row[1], 0, 100);
            // A drawn number of blows runs from Count - 2 to Count.
            checkRange(findings, where, "blows", row[2], row[7] == "True" ? 3 : 1, 10);
            checkRange(findings, where, "hit", row[3], 0, 100);
            checkRange(findings, where, "critical", row[4], 0, 100);
            checkRange(findings, where, "kind", row[5], skill_kind::kSelf, skill_kind::kGuardStance);
            checkRange(findings, where, "effect bits", row[10], 0, 1023);
            kinds[host::text::toWide(row[0])] = numberOf(row[5]).value_or(0);
        }
        for (std::string_view name : special_skill::kAll) {
            const auto kind = kinds.find(std::string(name));
            if (kind == kinds.end())
                findings.add("no skill " + std::string(name));
            else if (name == special_skill::kIronWall && kind->second != skill_kind::kGuardStance)
                findings.add("鉄壁 is no guard stance");
            else if (name != special_skill::kWait && name != special_skill::kIronWall &&
                     kind->second != skill_kind::kAttack && kind->second != skill_kind::kAttackToo)
                findings.add(std::string(name) + " is no attack");
        }
    });

QUORVEL_DATA_RULE("a skill that shows an effect names an effect picture, and an effect row once they exist",
                  [](const MasterData& data, Findings& findings) {
                      const auto effects = picturesOf(tools::PictureKind::Effect);
                      std::set<std::string> rows;
                      for (const auto& row : data.rows(GameDataSection::BattleEffects))
                          rows.insert(host::text::toWide(row[0]));
                      for (const auto& row : data.rows(GameDataSection::Skills)) {
                          if (row.size() < 14 || row[12] != "True") continue;
                          const std::string skill = host::text::toWide(row[0]);
                          std::string shown = row[13].empty() ? skill : host::text::toWide(row[13]);
                          // "例外" moves the sprite; only 津波 plays an effect, its own.
                          if (shown == "例外") {
                              if (skill != "津波") continue;
                              shown = skill;
                          }
                          if (!effects.count(shown) &&
                              !(effects.count(shown + "左") && effects.count(shown + "右")))
                              findings.add("skill " + skill + ": no effect picture " + shown);
                          if (!rows.empty() && !rows.count(shown))
                              findings.add("skill " + skill + ": no effect row " + shown);
                      }
                  });

QUORVEL_DATA_RULE(
    "12 to 20 formations in kanji or hiragana cover every type with every unit type, 突破陣 among them",
    [](const MasterData& data, Findings& findings) {
        const auto rows = data.rows(GameDataSection::Formations);
        if (rows.size() < 12 || rows.size() > 20) findings.add(std::to_string(rows.size()) + " formations");
        std::set<std::pair<std::string, std::string>> covered;
        bool breakthrough = false;
        for (const auto& row : rows) {
            if (row.size() != 8) continue; // the loader refuses it
            const std::string where = "formation " + row[0];
            if (!kanjiOrHiragana(row[0])) findings.add(where + " is not written in kanji or hiragana");
            if (!oneOf(formation_type::kAll, row[1])) findings.add(where + ": type " + row[1]);
            if (!oneOf(unit_type::kAll, row[2])) findings.add(where + ": unit type " + row[2]);
            for (std::size_t bonus : {3, 4, 5})
                checkRange(findings, where, "bonus", row[bonus], 0, 10);
            checkRange(findings, where, "speed", row[6], 1, 100);
            covered.emplace(row[1], row[2]);
            breakthrough = breakthrough || row[0] == "突破陣";
        }
        for (std::string_view type : formation_type::kAll)
            for (std::string_view unit : unit_type::kAll)
                if (!covered.count({std::string(type), std::string(unit)}))
                    findings.add("no " + std::string(type) + " formation of " + std::string(unit));
        if (!breakthrough) findings.add("no formation 突破陣");
    });

QUORVEL_DATA_RULE(
    "every formation stands its five positions on distinct cells with unit pictures and fights "
    "with 1 to 6 skills",
    [](const MasterData& data, Findings& findings) {
        clsLines lines;
        if (!loadCatalogue(data, lines, findings)) return;
        const auto units = picturesOf(tools::PictureKind::Unit);
        std::map<std::string, int> rowsPerFormation;
        for (const auto& row : data.rows(GameDataSection::FormationPositions))
            ++rowsPerFormation[row[0]];
        for (const auto& row : data.rows(GameDataSection::Formations)) {
            const std::string& name = row[0];
            if (rowsPerFormation[name] != battle_limit::kPositions)
                findings.add("formation " + name + " has " + std::to_string(rowsPerFormation[name]) +
                             " position rows");
            try {
                std::set<std::pair<int, int>> cells;
                for (const clsLineData* position : lines.GetLineData(name)) {
                    const std::string where =
                        "formation " + name + " position " + std::to_string(position->LineNumber());
                    const int x = position->XPosition(), y = position->YPosition();
                    if (x < 1 || x > battle_limit::kPositions || y < 1 || y > battle_limit::kPositions)
                        findings.add(where + " stands off the grid");
                    if (!cells.emplace(x, y).second) findings.add(where + " shares its cell");
                    if (!oneOf(unit_type::kAll, position->Image()) ||
                        !units.count(position->Image() + "左") || !units.count(position->Image() + "右"))
                        findings.add(where + ": no unit pictures for " + position->Image());
                }
                checkSkillCount(findings, "formation " + name, lines.GetLineSkillList(name).count());
            } catch (const std::exception& e) {
                findings.add("formation " + name + ": " + e.what());
            }
        }
    });

// A tournament draws its rivals among the first 4 schools of its rank below
// rank 3 and the first 10 from rank 3 on; the developer routines look up
// ウルフソン学園 by name.
QUORVEL_DATA_RULE("at least 4 rival schools of each rank 0 to 2 and 10 of each rank 3 to 7, ウルフソン学園 "
                  "among them, none named after the academy",
                  [](const MasterData& data, Findings& findings) {
                      std::map<long, int> perRank;
                      std::set<std::string> names;
                      for (const auto& row : data.rows(GameDataSection::RivalSchools)) {
                          if (row.size() < 4) continue; // the loader refuses it
                          const std::string name = host::text::toWide(row[0]);
                          if (!names.insert(name).second)
                              findings.add("rival school " + name + " comes twice");
                          if (name == "ミルトナ騎士団")
                              findings.add("rival school " + name + " is the academy");
                          checkRange(findings, "rival school " + name, "rank", row[1], 0, 7);
                          checkRange(findings, "rival school " + name, "understanding", row[3], 0, 25);
                          ++perRank[numberOf(row[1]).value_or(-1)];
                      }
                      if (!names.contains("ウルフソン学園")) findings.add("no rival school ウルフソン学園");
                      for (long rank = 0; rank <= 7; ++rank) {
                          const int wanted = rank < 3 ? 4 : 10;
                          if (perRank[rank] < wanted)
                              findings.add(std::to_string(perRank[rank]) + " rival schools of rank " +
                                           std::to_string(rank) + ", fewer than " + std::to_string(wanted));
                      }
                  });

QUORVEL_DATA_RULE("every rival school fields its formation with five positions and its skills",
                  [](const MasterData& data, Findings& findings) {
                      clsLines lines;
                      if (!loadCatalogue(data, lines, findings)) return;
                      for (const auto& row : data.rows(GameDataSection::RivalSchools)) {
                          clsSchool school;
                          school.SetData(host::runtime::Join(row, ","));
                          const std::string where = "rival school " + school.SchoolName();
                          try {
                              if (lines.GetLineData(school.LineName()).count() != battle_limit::kPositions)
                                  findings.add(where + ": not five positions");
                              checkSkillCount(findings, where,
                                              lines.GetLineSkillList(school.LineName()).count());
                          } catch (const std::exception& e) {
                              findings.add(where + " cannot field " + school.LineName() + ": " + e.what());
                          }
                      }
                  });

QUORVEL_DATA_RULE(
    "the 87 monsters are the monster pictures, numbered 1 to 87, drawn inside the field, with 1 to 6 "
    "skills",
    [](const MasterData& data, Findings& findings) {
        clsLines lines;
        if (!loadCatalogue(data, lines, findings)) return;
        std::map<std::string, const tools::PictureBudget*> pictures;
        for (const auto& picture : tools::PictureBudgets())
            if (picture.kind == tools::PictureKind::Monster) pictures[std::string(picture.name)] = &picture;
        std::set<std::string> names;
        std::set<long> numbers;
        for (const auto& row : data.rows(GameDataSection::Monsters)) {
            clsMonster monster;
            monster.SetData(host::runtime::Join(row, ","));
            const std::string& name = monster.MonsterName();
            const std::string where = "monster " + name;
            names.insert(name);
            numbers.insert(monster.Numbering());
            if (!oneOf(formation_type::kAll, monster.LineType()))
                findings.add(where + ": type " + monster.LineType());
            if (monster.Physical() <= 0 || monster.Offense() <= 0 || monster.Defense() < 0 ||
                monster.Speed() <= 0 || monster.Energy() <= 0)
                findings.add(where + " cannot fight with these values");
            const auto picture = pictures.find(name);
            if (picture == pictures.end()) {
                findings.add(where + " has no picture");
            } else {
                const double factor = monster.ImageSize() / 10.0;
                if (monster.ImageSize() <= 0 || factor * picture->second->width > 400 ||
                    factor * picture->second->height > 300)
                    findings.add(where + " is not drawn inside its half of the field");
            }
            try {
                checkSkillCount(findings, where, lines.GetMonsterSkillList(name).count());
            } catch (const std::exception& e) {
                findings.add(where + ": " + e.what());
            }
        }
        for (const auto& [name, picture] : pictures)
            if (!names.count(name)) findings.add("monster picture " + name + " has no monster");
        if (names.size() != pictures.size() || numbers.size() != names.size() || *numbers.begin() != 1 ||
            *numbers.rbegin() != static_cast<long>(names.size()))
            findings.add("monsters are not numbered 1 to " + std::to_string(names.size()) + " once each");
        for (const auto& row : data.rows(GameDataSection::MonsterSkills))
            if (!names.count(host::text::toWide(row[0])))
                findings.add("monster skill row for " + row[0] + ", which is no monster");
    });

QUORVEL_DATA_RULE("monsters drop items of the item catalogue",
                  [](const MasterData& data, Findings& findings) {
                      std::set<std::string> items;
                      for (const auto& row : data.rows(GameDataSection::Items))
                          items.insert(host::text::toWide(row[0]));
                      if (items.empty()) return; // checked once the item catalogue exists
                      for (const auto& row : data.rows(GameDataSection::Monsters)) {
                          if (row.size() < 13) continue;
                          for (std::size_t field : {8, 9})
                              if (!items.count(host::text::toWide(row[field])))
                                  findings.add("monster " + host::text::toWide(row[0]) + " drops " +
                                               row[field] + ", which is no item");
                      }
                  });

QUORVEL_DATA_RULE("one tournament rule for every rank 0 to 7 and period 1 to 3", [](const MasterData& data,
                                                                                    Findings& findings) {
    std::map<std::pair<long, long>, int> rules;
    for (const auto& row : data.rows(GameDataSection::TournamentRules)) {
        if (row.size() < 7) continue; // the loader refuses it
        const std::string where = "rule " + row[0] + "/" + row[1];
        checkRange(findings, where, "battle time", row[2], 1, 4);
        checkRange(findings, where, "recovery", row[6], 0, 100);
        ++rules[{numberOf(row[0]).value_or(-1), numberOf(row[1]).value_or(-1)}];
    }
    for (long rank = 0; rank <= 7; ++rank)
        for (std::int16_t month : {tournament::kJune, tournament::kOctober, tournament::kMarch}) {
            const long period = tournament::periodOf(month);
            if (rules[{rank, period}] != 1)
                findings.add(std::to_string(rules[{rank, period}]) + " rules for rank " +
                             std::to_string(rank) + " period " + std::to_string(period));
        }
    if (rules.size() != 24) findings.add("rules for ranks or periods that hold no tournament");
});

QUORVEL_DATA_RULE("one prize for every rank 0 to 7", [](const MasterData& data, Findings& findings) {
    std::map<long, int> prizes;
    for (const auto& row : data.rows(GameDataSection::TournamentPrizes)) {
        if (row.size() < 3) continue; // the loader refuses it
        checkRange(findings, "prize of rank " + row[0], "kingdom points", row[1], 0, 32767);
        checkRange(findings, "prize of rank " + row[0], "money", row[2], 0, 99999999);
        ++prizes[numberOf(row[0]).value_or(-1)];
    }
    for (long rank = 0; rank <= 7; ++rank)
        if (prizes[rank] != 1)
            findings.add(std::to_string(prizes[rank]) + " prizes for rank " + std::to_string(rank));
    if (prizes.size() != 8) findings.add("prizes for ranks that do not exist");
});
