// The names the developer routines look up by hand are in the master data.
#include "content/data_check/data_check.h"

#include "host/text/width.h"

#include <set>
#include <string>

namespace {

void requireName(const MasterData& data, int section, std::size_t field, const std::string& name,
                 const std::string& what, Findings& findings) {
    for (const auto& row : data.rows(section))
        if (row.size() > field && host::text::toWide(row[field]) == name) return;
    findings.add("no " + what + " " + name);
}

} // namespace

QUORVEL_DATA_RULE("the developer routines' job, rival school, items, recipes and ticket exist",
                  [](const MasterData& data, Findings& findings) {
                      requireName(data, GameDataSection::PartTimeJobs, 0, "草むしり", "part-time job",
                                  findings);
                      requireName(data, GameDataSection::RivalSchools, 0, "ウルフソン学園", "rival school",
                                  findings);
                      for (const char* item : {"薬草", "ホワイトチケット", "気力の腕輪", "ヨイチの心",
                                               "王国簡易事典", "赤いきのこ", "ポーション", "興奮剤"})
                          requireName(data, GameDataSection::Items, 0, item, "item", findings);
                      for (const char* recipe : {"ハイポーション", "ポーション", "興奮剤"})
                          requireName(data, GameDataSection::Recipes, 0, recipe, "recipe", findings);
                  });
