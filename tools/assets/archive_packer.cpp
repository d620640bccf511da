#include "tools/assets/archive_packer.h"

#include <algorithm>

namespace tools {

void ScrambleRecord(std::vector<std::uint8_t>& record) {
    for (std::size_t i = 4; i < 8 && i < record.size(); ++i) {
        record[i] = static_cast<std::uint8_t>(record[i] + i);
    }
}

std::vector<std::uint8_t> PackArchive(const std::vector<ArchiveRecord>& records, std::int32_t archiveSize) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool inOrder = i == 0 ? records[i].first == 0 : records[i].first > records[i - 1].first;
        if (!inOrder) {
            throw BudgetError("record " + std::string(records[i].name) + " starts at " +
                              std::to_string(records[i].first) + ", out of order");
        }
    }
    std::vector<std::uint8_t> archive(static_cast<std::size_t>(archiveSize), 0);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ArchiveRecord& record = records[i];
        const std::string name(record.name);
        const std::int64_t end = i + 1 < records.size() ? records[i + 1].first : archiveSize;
        const std::int64_t budget = end - record.first;
        if (record.bytes.size() < 8) throw BudgetError("record " + name + " is shorter than 8 bytes");
        if (static_cast<std::int64_t>(record.bytes.size()) > budget) {
            throw BudgetError("record " + name + " has " + std::to_string(record.bytes.size()) +
                              " bytes, its budget is " + std::to_string(budget));
        }
        std::vector<std::uint8_t> stored = record.bytes;
        ScrambleRecord(stored);
        std::copy(stored.begin(), stored.end(), archive.begin() + record.first);
    }
    return archive;
}

} // namespace tools
