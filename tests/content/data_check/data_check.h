#pragma once

#include "platform/masterdata/game_data_sections.h"
#include "tools/assets/budget_table.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The data check: rules over the packed master data (Data/Data.kpz), each
// registered under a name by the issue that authors the sections it reads.
//
// A rule file in tests/content/data_check/ registers its rules like this:
//
//   QUORVEL_DATA_RULE("every lesson's place is a building", [](const MasterData& data, Findings& findings) {
//       for (const auto& row : data.rows(GameDataSection::Lessons))
//           if (...) findings.add("lesson " + row[0] + ": no building " + row[9]);
//   });
//
// Every finding fails the check, named by its rule.

// The master data as the game reads it: split into its 32 sections.
struct MasterData {
    GameDataSections sections;
    // The section's rows, each split into its fields; none for an empty section.
    std::vector<std::vector<std::string>> rows(int section) const;
};

// A number field as the loaders read it; nullopt when it does not convert.
std::optional<long> numberOf(const std::string& field);

// The names of the pictures of that kind in the picture table.
std::set<std::string> picturesOf(tools::PictureKind kind);

class Findings {
  public:
    void add(std::string problem) { problems_.push_back(std::move(problem)); }
    const std::vector<std::string>& problems() const { return problems_; }

  private:
    std::vector<std::string> problems_;
};

using DataRule = std::function<void(const MasterData&, Findings&)>;

struct RegisteredDataRule {
    std::string name;
    DataRule check;
};

// Adds a rule; answers true so that it can initialise a static.
bool RegisterDataRule(std::string name, DataRule check);
// Every registered rule, in registration order.
const std::vector<RegisteredDataRule>& DataRules();

#define QUORVEL_DATA_RULE_CONCAT2(a, b) a##b
#define QUORVEL_DATA_RULE_CONCAT(a, b) QUORVEL_DATA_RULE_CONCAT2(a, b)
#define QUORVEL_DATA_RULE(name, ...)                                                                         \
    [[maybe_unused]] static const bool QUORVEL_DATA_RULE_CONCAT(dataRule_, __LINE__) =                       \
        RegisterDataRule(name, __VA_ARGS__)
