#include "content/data_check/reachable_content.h"

#include "host/text/width.h"
#include "school/quests/monster_regions.h"

std::set<std::string> monstersMet(const MasterData& data) {
    std::set<std::string> met;
    for (const auto& row : data.rows(GameDataSection::Quests)) {
        if (row.size() != 15) continue;
        const std::string monster = host::text::toWide(row[9]);
        const MonsterRegions::Region* region = MonsterRegions::findRegion(monster);
        if (!region) {
            met.insert(monster);
            continue;
        }
        for (auto index = region->first; index <= region->last; ++index)
            met.insert(std::string(MonsterRegions::MonsterNames[static_cast<std::size_t>(index)]));
    }
    return met;
}

std::set<std::string> obtainableItems(const MasterData& data) {
    struct Source {
        int section;
        std::size_t column;
    };
    constexpr Source kSources[] = {
        {GameDataSection::ItemShop, 1},     {GameDataSection::TicketPrizes, 2},
        {GameDataSection::PartTimeJobs, 8}, {GameDataSection::PartTimeJobs, 9},
        {GameDataSection::Companies, 4},    {GameDataSection::Permits, 0},
        {GameDataSection::Recipes, 0},
    };
    std::set<std::string> names;
    for (const Source& source : kSources)
        for (const auto& row : data.rows(source.section))
            if (row.size() > source.column) names.insert(host::text::toWide(row[source.column]));
    const std::set<std::string> met = monstersMet(data);
    for (const auto& row : data.rows(GameDataSection::Monsters))
        if (row.size() > 9 && met.count(host::text::toWide(row[0]))) {
            names.insert(host::text::toWide(row[8]));
            names.insert(host::text::toWide(row[9]));
        }
    names.erase("");
    return names;
}
