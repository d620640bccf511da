#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

// A record that does not fit its place in the archive.
class BudgetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ArchiveRecord {
    std::string_view name;
    std::int32_t first;
    std::vector<std::uint8_t> bytes;
};

// Bytes 4 to 7 of a record are stored increased by 4 to 7 (mod 256).
void ScrambleRecord(std::vector<std::uint8_t>& record);

// The archive of archiveSize bytes with each record, scrambled, at its first
// byte and zeros up to the next record's first byte. The records come in
// archive order. Throws BudgetError, naming the record, when one runs into
// the next (or past the end), is shorter than the 8 bytes the scrambling
// needs, or the first bytes do not rise from 0.
std::vector<std::uint8_t> PackArchive(const std::vector<ArchiveRecord>& records, std::int32_t archiveSize);

} // namespace tools
