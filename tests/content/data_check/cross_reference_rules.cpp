// Rows that only count when they name a row of another section: a formation's
// skills and positions name a formation of the formation section.
#include "content/data_check/data_check.h"

#include "host/runtime/collection_key.h"

#include <set>
#include <string>

namespace {

// Formation names as the battle catalogue matches them.
std::set<std::string> formationKeys(const MasterData& data) {
    std::set<std::string> keys;
    for (const auto& row : data.rows(GameDataSection::Formations))
        keys.insert(host::runtime::foldKey(host::runtime::KeyFold::IgnoreCaseAndWidth, row[0]));
    return keys;
}

void checkNamesFormations(const MasterData& data, int section, const std::string& what, Findings& findings) {
    const auto formations = formationKeys(data);
    for (const auto& row : data.rows(section))
        if (!formations.count(host::runtime::foldKey(host::runtime::KeyFold::IgnoreCaseAndWidth, row[0])))
            findings.add(what + " row of " + row[0] + ", which is no formation");
}

} // namespace

QUORVEL_DATA_RULE("formation skill and position rows name formations",
                  [](const MasterData& data, Findings& findings) {
                      checkNamesFormations(data, GameDataSection::FormationSkills, "skill", findings);
                      checkNamesFormations(data, GameDataSection::FormationPositions, "position", findings);
                  });
