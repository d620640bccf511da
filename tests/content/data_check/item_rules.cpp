// Rules for the item catalogue and the items other sections name.
#include "content/data_check/data_check.h"

#include "economy/battle_item_bits.h"
#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "host/text/width.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Item {
    std::string name;
    long type = 0, category = 0, effect1 = 0, effect2 = 0, broken = 0, price = 0;
};

std::vector<Item> itemsOf(const MasterData& data) {
    std::vector<Item> items;
    for (const auto& row : data.rows(GameDataSection::Items)) {
        if (row.size() != 8) continue;
        items.push_back({host::text::toWide(row[0]), numberOf(row[1]).value_or(0),
                         numberOf(row[2]).value_or(0), numberOf(row[3]).value_or(0),
                         numberOf(row[4]).value_or(0), numberOf(row[5]).value_or(0),
                         numberOf(row[6]).value_or(0)});
    }
    return items;
}

long field(long word, battle_item_bits::Field f) {
    return (static_cast<unsigned long>(word) >> (f.low - 1)) & ((1ul << (f.high - f.low + 1)) - 1);
}

bool onlyBits(long word, int last) {
    return word >= 0 && (static_cast<unsigned long>(word) >> last) == 0;
}

// The items the game itself names, with the kind each must be (0: any).
struct NamedItem {
    const char* name;
    long type;
};
constexpr NamedItem kNamedItems[] = {
    {"薬草", 0},       {"赤いきのこ", 0}, {"ホワイトチケット", item_type::kTicket},
    {"気力の腕輪", 0}, {"ヨイチの心", 0}, {"王国簡易事典", 0},
    {"ポーション", 0}, {"興奮剤", 0},     {"ハイポーション", 0},
};

// Columns of other sections that name an item ("" allowed where a column may be empty).
struct ItemColumn {
    int section;
    std::size_t column;
    bool mayBeEmpty;
};
constexpr ItemColumn kItemColumns[] = {
    {GameDataSection::PartTimeJobs, 8, false}, {GameDataSection::PartTimeJobs, 9, true},
    {GameDataSection::Monsters, 8, true},      {GameDataSection::Monsters, 9, true},
    {GameDataSection::Recipes, 0, false},      {GameDataSection::Recipes, 1, false},
    {GameDataSection::Recipes, 2, true},       {GameDataSection::Companies, 4, true},
    {GameDataSection::ItemShop, 1, false},     {GameDataSection::TicketPrizes, 0, false},
    {GameDataSection::TicketPrizes, 2, false},
};

} // namespace

QUORVEL_DATA_RULE("100 to 150 items of eight fields, with unique names, numbers, wear and a price",
                  [](const MasterData& data, Findings& findings) {
                      const auto rows = data.rows(GameDataSection::Items);
                      if (rows.size() < 100 || rows.size() > 150)
                          findings.add(std::to_string(rows.size()) + " items");
                      std::set<std::string> names;
                      for (const auto& row : rows) {
                          const std::string name = host::text::toWide(row[0]);
                          if (row.size() != 8) {
                              findings.add("item " + name + ": " + std::to_string(row.size()) + " fields");
                              continue;
                          }
                          if (!names.insert(name).second) findings.add("item " + name + " comes twice");
                          for (std::size_t column : {1, 2, 3, 4, 6})
                              if (!numberOf(row[column]))
                                  findings.add("item " + name + ": field " + std::to_string(column) + " " +
                                               row[column]);
                          const auto broken = numberOf(row[5]);
                          if (!broken || *broken < 1 || *broken > item_rule::kBreakAbove)
                              findings.add("item " + name + ": wear per use " + row[5]);
                          if (numberOf(row[6]).value_or(0) < 1)
                              findings.add("item " + name + ": price " + row[6]);
                      }
                  });

QUORVEL_DATA_RULE("item names survive the narrow and wide round trip",
                  [](const MasterData& data, Findings& findings) {
                      for (const Item& item : itemsOf(data))
                          if (host::text::toWide(host::text::toNarrow(item.name)) != item.name)
                              findings.add("item " + item.name + " changes when saved and read back");
                  });

QUORVEL_DATA_RULE("item words decode to legal values for their kind", [](const MasterData& data,
                                                                         Findings& findings) {
    using namespace battle_item_bits;
    for (const Item& item : itemsOf(data)) {
        const std::string what = "item " + item.name + ": ";
        switch (item.type) {
        case item_type::kMaterial:
        case item_type::kTicket:
            if (item.category || item.effect1 || item.effect2) findings.add(what + "words on a plain item");
            break;
        case item_type::kConsumable:
            if (item.category < 0) findings.add(what + "side-effect load " + std::to_string(item.category));
            if (item.effect1 == 0 || !onlyBits(item.effect1, consume_bit::kLast))
                findings.add(what + "effects " + std::to_string(item.effect1));
            if (item.effect2 < 0 || item.effect2 > 32767)
                findings.add(what + "amount " + std::to_string(item.effect2));
            break;
        case item_type::kBattle:
            if (field(item.category, {kFirstTarget, kLastTarget}) == 0 ||
                !onlyBits(item.category, kVisibleAll))
                findings.add(what + "targets " + std::to_string(item.category));
            if (!onlyBits(item.effect1, kNotUseSkillPrevent))
                findings.add(what + "word 1 " + std::to_string(item.effect1));
            if (!onlyBits(item.effect2, kPhysicalMethod.high))
                findings.add(what + "word 2 " + std::to_string(item.effect2));
            break;
        case item_type::kLesson: {
            const long method = item.effect2 >> (lesson_item::kMethodLow - 1);
            const long value = item.effect2 & 0xFFFF;
            if (item.category < lesson_item::kFirstKind || item.category > lesson_item::kLastKind)
                findings.add(what + "lesson-item kind " + std::to_string(item.category));
            if (item.effect1 < 0) findings.add(what + "risk " + std::to_string(item.effect1));
            if (item.effect2 < 0 || (method != lesson_item::kPercent && method != lesson_item::kFlat) ||
                (method == lesson_item::kPercent && value <= 100) || value == 0)
                findings.add(what + "lesson effect " + std::to_string(item.effect2));
            break;
        }
        case item_type::kBuilding:
            if (item.category < building_item::kMuseum || item.category > building_item::kChapel)
                findings.add(what + "building " + std::to_string(item.category));
            if (std::find(building_item::kInfluences.begin(), building_item::kInfluences.end(),
                          item.effect2) == building_item::kInfluences.end())
                findings.add(what + "influence " + std::to_string(item.effect2));
            break;
        default:
            findings.add(what + "kind " + std::to_string(item.type));
        }
    }
});

QUORVEL_DATA_RULE("items for every consumable effect, battle target and method, lesson-item kind and "
                  "building at every influence",
                  [](const MasterData& data, Findings& findings) {
                      using namespace battle_item_bits;
                      std::set<long> effects, targets, lessonKinds;
                      std::set<std::pair<long, long>> influences;
                      std::map<std::string, std::set<long>> methods;
                      for (const Item& item : itemsOf(data)) {
                          for (int bit = 1; bit <= 31; ++bit) {
                              if (item.type == item_type::kConsumable && ((item.effect1 >> (bit - 1)) & 1))
                                  effects.insert(bit);
                              if (item.type == item_type::kBattle && ((item.category >> (bit - 1)) & 1))
                                  targets.insert(bit);
                          }
                          if (item.type == item_type::kBattle) {
                              methods["physical"].insert(field(item.effect2, kPhysicalMethod));
                              methods["offence"].insert(field(item.effect1, kOffenseMethod));
                              methods["defence"].insert(field(item.effect1, kDefenseMethod));
                              methods["energy"].insert(field(item.effect2, kEnergyMethod));
                              methods["speed"].insert(field(item.effect2, kSpeedMethod));
                          }
                          if (item.type == item_type::kLesson) lessonKinds.insert(item.category);
                          if (item.type == item_type::kBuilding)
                              influences.insert({item.category, item.effect2});
                      }
                      for (long bit = 1; bit <= consume_bit::kLast; ++bit)
                          if (!effects.count(bit))
                              findings.add("no consumable has effect bit " + std::to_string(bit));
                      for (long bit = kFirstTarget; bit <= kVisibleAll; ++bit)
                          if (!targets.count(bit))
                              findings.add("no battle item has category bit " + std::to_string(bit));
                      std::set<long> used;
                      for (const auto& [stat, seen] : methods)
                          used.insert(seen.begin(), seen.end());
                      for (long method = battle_method::kAdd; method <= battle_method::kLast; ++method)
                          if (!used.count(method))
                              findings.add("no battle item uses method " + std::to_string(method));
                      for (long kind = lesson_item::kFirstKind; kind <= lesson_item::kLastKind; ++kind)
                          if (!lessonKinds.count(kind))
                              findings.add("no lesson item of kind " + std::to_string(kind));
                      for (long building = building_item::kMuseum; building <= building_item::kChapel;
                           ++building)
                          for (long influence : building_item::kInfluences)
                              if (!influences.count({building, influence}))
                                  findings.add("no item for building " + std::to_string(building) +
                                               " at influence " + std::to_string(influence));
                  });

QUORVEL_DATA_RULE("every item the game and the other sections name is an item of the right kind",
                  [](const MasterData& data, Findings& findings) {
                      std::map<std::string, long> types;
                      for (const Item& item : itemsOf(data))
                          types[item.name] = item.type;
                      for (const NamedItem& named : kNamedItems) {
                          const auto it = types.find(named.name);
                          if (it == types.end())
                              findings.add(std::string("no item ") + named.name);
                          else if (named.type != 0 && it->second != named.type)
                              findings.add(std::string("item ") + named.name + " is of kind " +
                                           std::to_string(it->second));
                      }
                      for (const ItemColumn& column : kItemColumns) {
                          for (const auto& row : data.rows(column.section)) {
                              if (row.size() <= column.column) continue;
                              const std::string name = host::text::toWide(row[column.column]);
                              if (name.empty() && column.mayBeEmpty) continue;
                              if (!types.count(name))
                                  findings.add("section " + std::to_string(column.section) + " row " +
                                               host::text::toWide(row[0]) + ": " + name + " is no item");
                          }
                      }
                      for (const auto& row : data.rows(GameDataSection::Permits)) {
                          const auto it = types.find(host::text::toWide(row[0]));
                          if (it != types.end() && it->second != item_type::kTicket)
                              findings.add("permit " + it->first + " adds an item that is no ticket");
                      }
                  });
