// Rules for the part-time jobs and the training camps.
#include "content/data_check/data_check.h"
#include "students/abilities.h"

#include "host/runtime/convert.h"
#include "host/text/width.h"

#include <array>
#include <set>
#include <string>

namespace {

constexpr long kAbilityBits = (1L << ability::kCount) - 1;

bool isInt16(const std::string& field) {
    try {
        host::runtime::CInt(field);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

long number(const std::string& field) {
    try {
        return host::runtime::CLng(field);
    } catch (const std::exception&) {
        return -1;
    }
}

} // namespace

QUORVEL_DATA_RULE("10 to 15 part-time jobs, well formed, covering every month without wrapping the year",
                  [](const MasterData& data, Findings& findings) {
                      const auto rows = data.rows(GameDataSection::PartTimeJobs);
                      if (rows.size() < 10 || rows.size() > 15)
                          findings.add(std::to_string(rows.size()) + " part-time jobs");
                      std::set<std::string> names;
                      std::array<int, 13> perMonth{};
                      for (const auto& row : rows) {
                          const std::string name = host::text::toWide(row[0]);
                          if (row.size() != 11) {
                              findings.add("job " + name + ": " + std::to_string(row.size()) + " fields");
                              continue;
                          }
                          if (!names.insert(name).second) findings.add("job " + name + " comes twice");
                          for (std::size_t field : {1, 2, 3, 4, 5, 7})
                              if (!isInt16(row[field]) || number(row[field]) < 0)
                                  findings.add("job " + name + ": field " + std::to_string(field) + " " +
                                               row[field]);
                          const long bits = number(row[6]);
                          if (bits < 1 || (bits & ~kAbilityBits) != 0)
                              findings.add("job " + name + ": abilities " + row[6]);
                          if (row[8].empty()) findings.add("job " + name + " names no item");
                          const long start = number(row[2]), end = number(row[3]);
                          if (start < 1 || end > 12 || start > end) {
                              findings.add("job " + name + ": months " + row[2] + " to " + row[3]);
                              continue;
                          }
                          for (long month = start; month <= end; ++month)
                              ++perMonth[static_cast<std::size_t>(month)];
                      }
                      for (int month = 1; month <= 12; ++month)
                          if (perMonth[static_cast<std::size_t>(month)] == 0)
                              findings.add("no job in month " + std::to_string(month));
                  });

QUORVEL_DATA_RULE("the items jobs turn up are items", [](const MasterData& data, Findings& findings) {
    const auto itemRows = data.rows(GameDataSection::Items);
    if (itemRows.empty()) return; // checked once the item catalogue exists
    std::set<std::string> items;
    for (const auto& row : itemRows)
        items.insert(host::text::toWide(row[0]));
    for (const auto& row : data.rows(GameDataSection::PartTimeJobs))
        if (row.size() >= 9 && !items.count(host::text::toWide(row[8])))
            findings.add("job " + host::text::toWide(row[0]) + ": item " + host::text::toWide(row[8]) +
                         " is no item");
});

QUORVEL_DATA_RULE("5 to 8 training camps, well formed, one of them open at rank 0",
                  [](const MasterData& data, Findings& findings) {
                      const auto rows = data.rows(GameDataSection::TrainingCamps);
                      if (rows.size() < 5 || rows.size() > 8)
                          findings.add(std::to_string(rows.size()) + " training camps");
                      std::set<std::string> names;
                      bool rankZero = false;
                      for (const auto& row : rows) {
                          const std::string name = host::text::toWide(row[0]);
                          if (row.size() != 7) {
                              findings.add("camp " + name + ": " + std::to_string(row.size()) + " fields");
                              continue;
                          }
                          if (!names.insert(name).second) findings.add("camp " + name + " comes twice");
                          const long rank = number(row[1]);
                          if (!isInt16(row[1]) || rank < 0 || rank > 7)
                              findings.add("camp " + name + ": rank " + row[1]);
                          rankZero = rankZero || rank == 0;
                          if (number(row[2]) < 0) findings.add("camp " + name + ": fee " + row[2]);
                          if (!isInt16(row[3]) || number(row[3]) < 1)
                              findings.add("camp " + name + ": base " + row[3]);
                          const long big = number(row[4]), small = number(row[5]);
                          if (big < 1 || (big & ~kAbilityBits) != 0)
                              findings.add("camp " + name + ": main abilities " + row[4]);
                          if (small < 0 || (small & ~kAbilityBits) != 0)
                              findings.add("camp " + name + ": side abilities " + row[5]);
                      }
                      if (!rankZero) findings.add("no camp is open at rank 0");
                  });
