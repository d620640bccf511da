// Rules for the lessons and the scouts.
#include "content/data_check/data_check.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/assets/asset_table.h"
#include "platform/rules/cls_method.h"
#include "students/abilities.h"
#include "students/lessons/cls_mng_class.h"
#include "students/scouts/cls_mng_scout.h"

#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kLessonItemType = 4;
constexpr long kLessonItemKinds = 16;

// The lesson rows as the game reads them; a row that does not load is left
// to the loading rule.
std::vector<clsClass> lessonsOf(const MasterData& data) {
    std::vector<clsClass> lessons;
    for (const auto& line : host::runtime::Split(data.sections.section[GameDataSection::Lessons], "\r\n")) {
        clsClass lesson;
        try {
            lesson.SetData(line);
        } catch (const std::exception&) {
            continue;
        }
        lessons.push_back(lesson);
    }
    return lessons;
}

int targetAbility(const clsClass& lesson) {
    for (std::int16_t n = 1; n <= ability::kCount; ++n)
        if (Method().BitCheck(lesson.BigEffect(), n)) return n;
    return 0;
}

// Names of the rows of a building section whose bit is one of bits (any bit
// when bits is empty).
std::set<std::string> buildingNames(const MasterData& data, int section, const std::set<long>& bits = {}) {
    std::set<std::string> names;
    for (const auto& row : data.rows(section)) {
        if (row.size() < 5) continue;
        if (bits.empty() || bits.count(numberOf(row[3]).value_or(0)))
            names.insert(host::text::toWide(row[0]));
    }
    return names;
}

} // namespace

QUORVEL_DATA_RULE("lessons and scouts load as the game loads them",
                  [](const MasterData& data, Findings& findings) {
                      try {
                          clsMngClass lessons;
                          lessons.SetData(data.sections.section[GameDataSection::Lessons]);
                      } catch (const std::exception& e) {
                          findings.add(std::string("lessons: ") + e.what());
                      }
                      try {
                          clsMngScout scouts;
                          scouts.SetScout(data.sections.section[GameDataSection::Scouts]);
                      } catch (const std::exception& e) {
                          findings.add(std::string("scouts: ") + e.what());
                      }
                  });

QUORVEL_DATA_RULE("every lesson trains an ability, every ability has lessons of two levels or more, "
                  "for whole classes and single students",
                  [](const MasterData& data, Findings& findings) {
                      std::map<int, std::set<int>> levels;
                      bool wholeClassOnly = false, individual = false;
                      for (const clsClass& lesson : lessonsOf(data)) {
                          const int target = targetAbility(lesson);
                          if (target == 0)
                              findings.add("lesson " + lesson.Name() + " trains no ability 1..17");
                          levels[target].insert(lesson.NeedPoint());
                          (lesson.Individual() ? individual : wholeClassOnly) = true;
                      }
                      for (int n = 1; n <= ability::kCount; ++n) {
                          if (levels[n].size() < 2)
                              findings.add("ability " + std::to_string(n) + " is the target of lessons of " +
                                           std::to_string(levels[n].size()) + " levels");
                      }
                      if (!wholeClassOnly) findings.add("no lesson is for whole classes only");
                      if (!individual) findings.add("no lesson may be given to a single student");
                  });

QUORVEL_DATA_RULE("a lesson trained as a formation lesson targets a formation ability",
                  [](const MasterData& data, Findings& findings) {
                      for (const clsClass& lesson : lessonsOf(data)) {
                          const int target = targetAbility(lesson);
                          if (ability::holdsFormation(lesson.BigEffect()) && !ability::isFormation(target))
                              findings.add("lesson " + lesson.Name() +
                                           " is a formation lesson training ability " +
                                           std::to_string(target));
                      }
                  });

QUORVEL_DATA_RULE("every lesson's place is a construction or classroom with a lesson-room picture",
                  [](const MasterData& data, Findings& findings) {
                      std::set<std::string> rooms = buildingNames(data, GameDataSection::Constructions);
                      rooms.merge(buildingNames(data, GameDataSection::Classrooms));
                      std::set<std::string> pictures;
                      for (const auto& record : AssetTable::ImageRecords())
                          if (record.stretched) pictures.insert(std::string(record.name));
                      for (const clsClass& lesson : lessonsOf(data)) {
                          if (!rooms.count(lesson.Place()))
                              findings.add("lesson " + lesson.Name() + ": " + lesson.Place() +
                                           " is no construction or classroom");
                          if (!pictures.count(lesson.Place()))
                              findings.add("lesson " + lesson.Name() + ": " + lesson.Place() +
                                           " has no lesson-room picture");
                      }
                  });

QUORVEL_DATA_RULE(
    "the lessons of the first timetable are held where the school stands at the start",
    [](const MasterData& data, Findings& findings) {
        std::set<std::string> standing = buildingNames(data, GameDataSection::Constructions, {1, 3});
        standing.merge(buildingNames(data, GameDataSection::Classrooms, {1}));
        std::map<std::string, std::string> places;
        for (const clsClass& lesson : lessonsOf(data))
            places[lesson.Name()] = lesson.Place();
        for (const char* name : {"ウォーキング", "初等攻撃陣形", "走りこみ", "素振り"}) {
            auto it = places.find(name);
            if (it == places.end())
                findings.add(std::string("no lesson ") + name);
            else if (!standing.count(it->second))
                findings.add(std::string("lesson ") + name + " is held in " + it->second +
                             ", which is not built at the start");
        }
    });

QUORVEL_DATA_RULE("lessons use lesson-item kinds, each with a lesson item once items exist",
                  [](const MasterData& data, Findings& findings) {
                      std::set<long> itemKinds;
                      for (const auto& row : data.rows(GameDataSection::Items))
                          if (row.size() >= 3 && numberOf(row[1]) == kLessonItemType)
                              itemKinds.insert(numberOf(row[2]).value_or(0));
                      const bool itemsAuthored = !data.rows(GameDataSection::Items).empty();
                      for (const clsClass& lesson : lessonsOf(data)) {
                          const long kind = lesson.UseItem();
                          if (kind < 0 || kind > kLessonItemKinds)
                              findings.add("lesson " + lesson.Name() + " uses item kind " +
                                           std::to_string(kind));
                          else if (kind != 0 && itemsAuthored && !itemKinds.count(kind))
                              findings.add("lesson " + lesson.Name() + " uses item kind " +
                                           std::to_string(kind) + ", which no lesson item has");
                      }
                  });

QUORVEL_DATA_RULE("at least five scouts, with classes the game knows", [](const MasterData& data,
                                                                          Findings& findings) {
    const auto rows = data.rows(GameDataSection::Scouts);
    if (rows.size() < 5) findings.add(std::to_string(rows.size()) + " scouts");
    constexpr long kAny = std::numeric_limits<long>::max();
    struct Field {
        std::size_t column;
        const char* name;
        long lo;
        long hi;
    };
    const Field fields[] = {{1, "family class", 1, 3}, {2, "age class", 1, 3},  {3, "growth class", 1, 4},
                            {4, "period", 1, kAny},    {5, "ability", 0, kAny}, {6, "number", 1, kAny}};
    for (const auto& row : rows) {
        if (row.size() < 7) continue;
        for (const auto& f : fields) {
            const auto value = numberOf(row[f.column]);
            if (!value || *value < f.lo || *value > f.hi)
                findings.add("scout " + host::text::toWide(row[0]) + ": " + f.name + " " + row[f.column]);
        }
    }
});
