#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// Packs the master-data sources (content/master/NN-name.txt: UTF-8, one row
// per line, fields separated by ",") into the text the game reads.
namespace tools {

// The sources break a rule; what() lists every problem, one per line, each
// naming the file, the line and the field.
class MasterDataError : public std::runtime_error {
  public:
    explicit MasterDataError(const std::vector<std::string>& problems);
    const std::vector<std::string>& problems() const { return problems_; }

  private:
    std::vector<std::string> problems_;
};

struct MasterText {
    // The 32 sections, rows joined by CR LF, sections by ";" (UTF-8).
    std::string text;
    // The sections that have no source file; they would be packed empty, and
    // pack_master refuses to pack the game's data then.
    std::vector<int> missing;
};

// Reads every "NN-name.txt" of the folder (other files are ignored) and
// checks it. Empty lines are left out and a leading byte-order mark is
// dropped. Refused: a .txt file whose name does not start with a section
// number 00..31 and "-", a missing folder, two files for one section, text that is not UTF-8,
// ";" or a control character anywhere, "，；：／＠＼" anywhere, any of ",;:/@\" (either width) in a
// name, a widened field that changes through narrowing and widening, and a
// field kept narrow that is not narrow, and an empty name.
MasterText BuildMasterText(const std::filesystem::path& folder);

// The text as the archive holds it: UTF-16LE without a byte-order mark,
// encrypted with the game's password.
std::vector<std::uint8_t> EncryptMasterText(const std::string& text);

} // namespace tools
