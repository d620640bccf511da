// Rules for the quests and the monsters they meet.
#include "content/data_check/data_check.h"
#include "content/data_check/no_school_hooks.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "school/permits/permit_codes.h"
#include "school/quests/cls_quest.h"
#include "school/quests/monster_regions.h"
#include "school/system/cls_system.h"
#include "tools/assets/budget_table.h"

#include <map>
#include <optional>
#include <set>
#include <string>

namespace {

// The number a field holds when it converts to a field of that many bits.
std::optional<long> numberOf(const std::string& field, int bits) {
    try {
        if (bits == 16) return host::runtime::CInt(field);
        return host::runtime::CLng(field);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// A school of the highest rank that takes every request it is offered, once
// a day, for three years; the quests it was offered at least once.
std::set<std::string> questsOfferedToABusySchool(const std::string& catalogue) {
    class TopSchool : public clsSystem {
      public:
        explicit TopSchool(SystemHooks& hooks) : clsSystem(hooks) {
            while (cSchoolPermit.GetRank() < school_rank::kS)
                cSchoolPermit.RankUp();
        }
    };
    NoHooks hooks;
    TopSchool school(hooks);
    school.SetQuest(catalogue);
    const host::runtime::Collection<clsGetGridData> noTeams;
    std::set<std::string> offered;
    for (int year = 25; year < 28; ++year) {
        for (int month = 1; month <= 12; ++month) {
            school.SetDate(std::to_string(year) + ":" + std::to_string(month) + ":1");
            school.ResetMonthlyQuests();
            for (int day = 1; day <= 28; ++day) {
                for (const auto& row : school.GetQuest(noTeams, false, clsGetGridData{})) {
                    offered.insert(row.Data(1));
                    school.SetQuestSuccess(row.Data(1));
                }
            }
        }
    }
    return offered;
}

} // namespace

QUORVEL_DATA_RULE("25 to 100 quests over ranks 0 to 7, well formed, with unique names and IDs",
                  [](const MasterData& data, Findings& findings) {
                      const auto rows = data.rows(GameDataSection::Quests);
                      if (rows.size() < 25 || rows.size() > 100)
                          findings.add(std::to_string(rows.size()) + " quests");
                      std::set<std::string> names;
                      std::set<long> ids, ranks;
                      for (const auto& row : rows) {
                          const std::string name = row.size() > 2 ? host::text::toWide(row[2]) : row[0];
                          const std::string where = "quest " + name;
                          if (row.size() != 15) {
                              findings.add(where + ": " + std::to_string(row.size()) + " fields");
                              continue;
                          }
                          if (!names.insert(name).second) findings.add(where + " comes twice");
                          if (host::runtime::Like(name, "*王国大会"))
                              findings.add(where + " ends like a tournament entry");
                          // Field, width, lowest and highest value.
                          const struct {
                              std::size_t field;
                              int bits;
                              long lo, hi;
                          } numbers[] = {{0, 16, 1, 32767}, {1, 16, 0, 7},      {3, 32, 0, 99999999},
                                         {4, 16, 0, 32767}, {6, 16, 1, 12},     {7, 16, 1, 12},
                                         {8, 16, 0, 100},   {12, 16, 0, 32767}, {13, 16, 0, 32767}};
                          for (const auto& n : numbers) {
                              const auto value = numberOf(row[n.field], n.bits);
                              if (!value || *value < n.lo || *value > n.hi)
                                  findings.add(where + ": field " + std::to_string(n.field) + " " +
                                               row[n.field]);
                          }
                          for (std::size_t field : {10, 11})
                              if (row[field] != "True" && row[field] != "False")
                                  findings.add(where + ": field " + std::to_string(field) + " " + row[field]);
                          const long id = numberOf(row[0], 16).value_or(0);
                          if (!ids.insert(id).second) findings.add(where + ": ID " + row[0] + " comes twice");
                          ranks.insert(numberOf(row[1], 16).value_or(-1));
                      }
                      for (long rank = 0; rank <= 7; ++rank)
                          if (!ranks.count(rank)) findings.add("no quest of rank " + std::to_string(rank));
                      if (!names.count("幻獣遁走曲")) findings.add("no quest \"幻獣遁走曲\"");
                  });

QUORVEL_DATA_RULE("a quest's prerequisite is another quest, needed at least once",
                  [](const MasterData& data, Findings& findings) {
                      std::map<long, std::string> byId;
                      for (const auto& row : data.rows(GameDataSection::Quests))
                          if (row.size() == 15)
                              byId[numberOf(row[0], 16).value_or(0)] = host::text::toWide(row[2]);
                      for (const auto& row : data.rows(GameDataSection::Quests)) {
                          if (row.size() != 15) continue;
                          const long id = numberOf(row[0], 16).value_or(0);
                          const long target = numberOf(row[12], 16).value_or(0);
                          const long count = numberOf(row[13], 16).value_or(0);
                          const std::string where = "quest " + host::text::toWide(row[2]);
                          if (target == 0) continue;
                          if (target == id || !byId.count(target))
                              findings.add(where + ": prerequisite " + row[12] + " is no other quest");
                          if (count < 1) findings.add(where + ": prerequisite needed " + row[13] + " times");
                      }
                  });

QUORVEL_DATA_RULE("quests show a background and meet a region's monsters or a monster with a picture",
                  [](const MasterData& data, Findings& findings) {
                      const auto backgrounds = picturesOf(tools::PictureKind::Background);
                      const auto monsters = picturesOf(tools::PictureKind::Monster);
                      for (const auto& row : data.rows(GameDataSection::Quests)) {
                          if (row.size() != 15) continue;
                          const std::string where = "quest " + host::text::toWide(row[2]);
                          const std::string image = host::text::toWide(row[5]);
                          const std::string monster = host::text::toWide(row[9]);
                          if (!backgrounds.count(image))
                              findings.add(where + ": " + image + " is no background");
                          if (!MonsterRegions::findRegion(monster) && !monsters.count(monster))
                              findings.add(where + ": " + monster + " is no region and no monster picture");
                      }
                  });

QUORVEL_DATA_RULE("every monster of a region has a picture", [](const MasterData&, Findings& findings) {
    const auto monsters = picturesOf(tools::PictureKind::Monster);
    for (std::string_view name : MonsterRegions::MonsterNames)
        if (!monsters.count(std::string(name))) findings.add(std::string(name) + " has no monster picture");
});

QUORVEL_DATA_RULE("the monsters quests meet are in the monster catalogue", [](const MasterData& data,
                                                                              Findings& findings) {
    const auto monsterRows = data.rows(GameDataSection::Monsters);
    if (monsterRows.empty()) return; // checked once the monster catalogue exists
    std::set<std::string> catalogue;
    for (const auto& row : monsterRows)
        catalogue.insert(host::text::toWide(row[0]));
    for (std::string_view name : MonsterRegions::MonsterNames)
        if (!catalogue.count(std::string(name)))
            findings.add("region monster " + std::string(name) + " is not in the catalogue");
    for (const auto& row : data.rows(GameDataSection::Quests)) {
        if (row.size() != 15) continue;
        const std::string monster = host::text::toWide(row[9]);
        if (!MonsterRegions::findRegion(monster) && !catalogue.count(monster))
            findings.add("quest " + host::text::toWide(row[2]) + ": " + monster + " is not in the catalogue");
    }
});

QUORVEL_DATA_RULE("a prerequisite that is forgotten every month shares a month with its follow-up",
                  [](const MasterData& data, Findings& findings) {
                      std::map<long, clsQuest> byId;
                      for (const auto& row : data.rows(GameDataSection::Quests)) {
                          clsQuest quest;
                          try {
                              quest.SetData(host::runtime::Join(row, ","));
                          } catch (const std::exception&) {
                              continue; // reported by the form rule
                          }
                          byId.emplace(quest.ID(), quest);
                      }
                      for (const auto& [id, quest] : byId) {
                          const auto target = byId.find(quest.TargetID());
                          if (quest.TargetID() == 0 || target == byId.end() || !target->second.Reset())
                              continue;
                          bool shared = false;
                          for (std::int16_t month = 1; month <= 12; ++month)
                              shared =
                                  shared || (quest.openInMonth(month) && target->second.openInMonth(month));
                          if (!shared)
                              findings.add("quest " + quest.QuestName() + " needs " +
                                           target->second.QuestName() +
                                           ", forgotten every month, but their months never meet");
                      }
                  });

QUORVEL_DATA_RULE("every quest is offered to a school that takes every request", [](const MasterData& data,
                                                                                    Findings& findings) {
    std::set<std::string> offered;
    try {
        offered = questsOfferedToABusySchool(data.sections.section[GameDataSection::Quests]);
    } catch (const std::exception& e) {
        findings.add(std::string("the quests do not load: ") + e.what());
        return;
    }
    for (const auto& row : data.rows(GameDataSection::Quests)) {
        const std::string name = row.size() > 2 ? host::text::toWide(row[2]) : row[0];
        if (!offered.count(name)) findings.add("quest " + name + " is never offered");
    }
});
