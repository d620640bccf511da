// Rules every section keeps however it is authored.
#include "content/data_check/data_check.h"

#include <string>

QUORVEL_DATA_RULE("no section holds an empty row", [](const MasterData& data, Findings& findings) {
    for (int section = 0; section < GameDataSections::kCount; ++section) {
        const auto rows = data.rows(section);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].size() == 1 && rows[row][0].empty()) {
                findings.add("section " + std::to_string(section) + " row " + std::to_string(row + 1) +
                             " is empty");
            }
        }
    }
});
