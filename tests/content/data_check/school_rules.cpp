// Rules for the student names, the buildings, the school buildings and the
// permits.
#include "content/data_check/data_check.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Building {
    std::string name;
    int kind;
    long bit;
};

// The building rows of sections 19 to 21 that have their five fields.
std::vector<Building> buildingsOf(const MasterData& data) {
    std::vector<Building> buildings;
    for (int kind = 1; kind <= 3; ++kind)
        for (const auto& row : data.rows(GameDataSection::Constructions + kind - 1))
            if (row.size() >= 5)
                buildings.push_back({host::text::toWide(row[0]), kind, numberOf(row[3]).value_or(0)});
    return buildings;
}

const char* const kKindSection[] = {"", "19", "20", "21"};
constexpr long kLastBit[] = {0, 15, 12, 9};

} // namespace

QUORVEL_DATA_RULE("at least 500 distinct student names", [](const MasterData& data, Findings& findings) {
    std::set<std::string> names;
    for (const auto& line :
         host::runtime::Split(data.sections.section[GameDataSection::StudentNames], "\r\n")) {
        if (!names.insert(line).second) findings.add("student name " + line + " comes twice");
    }
    if (names.size() < 500) findings.add(std::to_string(names.size()) + " student names");
    if (names.size() > 32767) findings.add("more student names than a draw reaches");
});

QUORVEL_DATA_RULE("buildings have five fields, numbers and a bit of their kind", [](const MasterData& data,
                                                                                    Findings& findings) {
    std::set<std::string> names;
    for (int kind = 1; kind <= 3; ++kind) {
        std::set<long> bits;
        for (const auto& row : data.rows(GameDataSection::Constructions + kind - 1)) {
            const std::string where = std::string("section ") + kKindSection[kind] + " " + row[0];
            if (row.size() != 5) {
                findings.add(where + ": " + std::to_string(row.size()) + " fields");
                continue;
            }
            if (!names.insert(host::text::toWide(row[0])).second) findings.add(where + ": name comes twice");
            for (int field = 1; field <= 3; ++field)
                if (!numberOf(row[static_cast<std::size_t>(field)])) findings.add(where + ": bad number");
            const long bit = numberOf(row[3]).value_or(0);
            if (bit < 1 || bit > kLastBit[kind]) findings.add(where + ": bit " + row[3] + " outside its set");
            if (!bits.insert(bit).second) findings.add(where + ": bit " + row[3] + " taken twice");
        }
    }
});

QUORVEL_DATA_RULE("buildings the game names sit on their bits",
                  [](const MasterData& data, Findings& findings) {
                      const struct {
                          int kind;
                          long bit;
                          const char* name; // "" when any name will do
                      } wanted[] = {
                          {1, 1, ""}, {1, 2, "学生寮"},  {1, 3, ""}, {1, 5, "美術館"}, {1, 6, "図書館"},
                          {1, 9, ""}, {1, 11, "礼拝堂"}, {2, 1, ""}, {2, 5, ""},       {2, 7, ""},
                          {2, 8, ""}, {3, 1, ""},        {3, 2, ""}, {3, 3, ""},       {3, 4, ""},
                          {3, 5, ""}, {3, 6, ""},        {3, 7, ""}, {3, 8, ""},       {3, 9, ""},
                      };
                      const auto buildings = buildingsOf(data);
                      for (const auto& w : wanted) {
                          const Building* found = nullptr;
                          for (const auto& b : buildings)
                              if (b.kind == w.kind && b.bit == w.bit) found = &b;
                          const std::string where = std::string("section ") + kKindSection[w.kind] + " bit " +
                                                    std::to_string(w.bit);
                          if (!found)
                              findings.add(where + ": no building");
                          else if (*w.name && found->name != w.name)
                              findings.add(where + ": " + found->name + " instead of " + w.name);
                      }
                  });

QUORVEL_DATA_RULE("every lesson-room picture is a construction or a classroom",
                  [](const MasterData& data, Findings& findings) {
                      std::set<std::string> rooms;
                      for (const auto& b : buildingsOf(data))
                          if (b.kind != 3) rooms.insert(b.name);
                      for (const char* room : {"内庭",   "トラック",   "トレーニング室", "プール", "一般教室",
                                               "運動場", "弓道場",     "剣道場",         "工作室", "工房",
                                               "式典室", "陣形研究所", "図書室",         "槍術場", "大教室",
                                               "茶室",   "闘技場",     "馬術場",         "美術室", "礼拝堂"})
                          if (!rooms.count(room))
                              findings.add(std::string(room) + " is no construction or classroom");
                  });

QUORVEL_DATA_RULE("each school building has one row per level, with room for what stands at the start",
                  [](const MasterData& data, Findings& findings) {
                      std::map<std::pair<long, long>, long> land; // (type, scale) -> land
                      std::set<std::string> buildingNames;
                      for (const auto& b : buildingsOf(data))
                          buildingNames.insert(b.name);
                      for (const auto& row : data.rows(GameDataSection::SchoolBuildings)) {
                          const std::string name = host::text::toWide(row[0]);
                          if (row.size() != 7) {
                              findings.add("school building " + name + ": " + std::to_string(row.size()) +
                                           " fields");
                              continue;
                          }
                          for (int field = 1; field <= 5; ++field)
                              if (!numberOf(row[static_cast<std::size_t>(field)]))
                                  findings.add("school building " + name + ": bad number");
                          if (buildingNames.count(name))
                              findings.add("school building " + name + " has the name of a building");
                          const auto key =
                              std::make_pair(numberOf(row[3]).value_or(0), numberOf(row[5]).value_or(0));
                          if (!land.emplace(key, numberOf(row[4]).value_or(0)).second)
                              findings.add("school building " + name + ": its type and level come twice");
                      }
                      // Buildings standing once the level is reached: the grounds keep
                      // bits 1 and 3 and get 2 with the dormitory; the schoolhouse bit 1;
                      // the first dormitory facility bit 1.
                      const long standing[] = {0, 3, 1, 1};
                      for (long type = 1; type <= 3; ++type) {
                          long previous = 0;
                          for (long scale = 1; scale <= 3; ++scale) {
                              const std::string where =
                                  "type " + std::to_string(type) + " level " + std::to_string(scale);
                              auto found = land.find({type, scale});
                              if (found == land.end()) {
                                  findings.add(where + ": no row");
                                  continue;
                              }
                              if (found->second <= standing[type] || found->second < previous ||
                                  found->second > kLastBit[type])
                                  findings.add(where + ": land " + std::to_string(found->second));
                              previous = found->second;
                          }
                      }
                  });

QUORVEL_DATA_RULE("permits have five fields and cost kingdom points",
                  [](const MasterData& data, Findings& findings) {
                      std::set<std::string> names;
                      for (const auto& row : data.rows(GameDataSection::Permits)) {
                          const std::string name = host::text::toWide(row[0]);
                          if (row.size() != 5) {
                              findings.add("permit " + name + ": " + std::to_string(row.size()) + " fields");
                              continue;
                          }
                          if (!names.insert(name).second) findings.add("permit " + name + " comes twice");
                          for (int field = 1; field <= 4; ++field)
                              if (!numberOf(row[static_cast<std::size_t>(field)]))
                                  findings.add("permit " + name + ": bad number");
                          const long point = numberOf(row[1]).value_or(0);
                          const long type = numberOf(row[2]).value_or(0);
                          if (point < 1 || point > 32767)
                              findings.add("permit " + name + ": points " + row[1]);
                          if (type < 1 || type > 7) findings.add("permit " + name + ": type " + row[2]);
                          const bool ticketName = host::runtime::Like(name, "*チケット");
                          if (ticketName != (type == 4))
                              findings.add("permit " + name + ": a ticket is named \"…チケット\"");
                      }
                  });

QUORVEL_DATA_RULE("a permit for every level a school can reach, named by its school building",
                  [](const MasterData& data, Findings& findings) {
                      std::map<std::pair<long, long>, std::string> permits; // (type, limit) -> name
                      for (const auto& row : data.rows(GameDataSection::Permits))
                          if (row.size() >= 5)
                              permits[{numberOf(row[2]).value_or(0), numberOf(row[3]).value_or(-1)}] =
                                  host::text::toWide(row[0]);
                      std::map<std::pair<long, long>, std::string> named; // (type, scale) -> permit
                      for (const auto& row : data.rows(GameDataSection::SchoolBuildings))
                          if (row.size() >= 7)
                              named[{numberOf(row[3]).value_or(0), numberOf(row[5]).value_or(0)}] =
                                  host::text::toWide(row[6]);
                      // Levels 2 and 3 of the grounds and the schoolhouse, 1 to 3 of the dormitory.
                      for (long type = 1; type <= 3; ++type) {
                          for (long scale = type == 3 ? 1 : 2; scale <= 3; ++scale) {
                              const std::string where =
                                  "type " + std::to_string(type) + " level " + std::to_string(scale);
                              auto permit = permits.find({type, scale - 1});
                              if (permit == permits.end())
                                  findings.add(where + ": no permit with limit " + std::to_string(scale - 1));
                              else if (named[{type, scale}] != permit->second)
                                  findings.add(where + ": the school building names " + named[{type, scale}] +
                                               ", not " + permit->second);
                          }
                      }
                      for (long limit = 0; limit <= 4; ++limit)
                          if (!permits.count({5, limit}))
                              findings.add("no school-year permit with limit " + std::to_string(limit));
                      for (long limit = 0; limit <= 3; ++limit)
                          if (!permits.count({7, limit}))
                              findings.add("no sponsor-slot permit with limit " + std::to_string(limit));
                      if (!permits.count({6, 0})) findings.add("no eight-period permit");
                      if (!permits.count({4, 0})) findings.add("no ticket for a new school");
                  });

QUORVEL_DATA_RULE("ticket permits are items", [](const MasterData& data, Findings& findings) {
    const auto itemRows = data.rows(GameDataSection::Items);
    if (itemRows.empty()) return; // checked once the item catalogue exists
    std::set<std::string> items;
    for (const auto& row : itemRows)
        items.insert(host::text::toWide(row[0]));
    for (const auto& row : data.rows(GameDataSection::Permits)) {
        const std::string name = host::text::toWide(row[0]);
        if (host::runtime::Like(name, "*チケット") && !items.count(name))
            findings.add("ticket " + name + " is no item");
    }
});
