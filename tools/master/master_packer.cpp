#include "tools/master/master_packer.h"

#include "tools/master/master_fields.h"

#include "host/runtime/strings.h"
#include "host/text/utf.h"
#include "host/text/width.h"
#include "platform/crypto/bas_enc.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string_view>

namespace tools {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBom = "\xEF\xBB\xBF";
// Narrowing turns these into separators.
constexpr std::array<std::string_view, 6> kWideSeparators{"，", "；", "：", "／", "＠", "＼"};
constexpr std::array<std::string_view, 6> kNameForbidden{",", ";", ":", "/", "@", "\\"};

std::string joinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& line : lines)
        joined += line + "\n";
    if (!joined.empty()) joined.pop_back();
    return joined;
}

bool validUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t code = host::text::nextCodePoint(text, pos);
        if (code == host::text::kReplacementCharacter && text.substr(start, pos - start) != "\xEF\xBF\xBD") {
            return false;
        }
    }
    return true;
}

// The section number of a source file name, or -1 when it is not one.
int sectionOf(const std::string& fileName) {
    if (fileName.size() < 4 || fileName[2] != '-') return -1;
    if (fileName[0] < '0' || fileName[0] > '9' || fileName[1] < '0' || fileName[1] > '9') return -1;
    const int section = (fileName[0] - '0') * 10 + (fileName[1] - '0');
    return section < kSectionCount ? section : -1;
}

class SectionChecker {
  public:
    SectionChecker(std::string fileName, int section, std::vector<std::string>& problems)
        : fileName_(std::move(fileName)), section_(section), problems_(problems) {}

    void checkRow(std::size_t lineNumber, const std::string& row) {
        if (row.find(';') != std::string::npos) {
            report(lineNumber, "\";\" separates sections and may not appear in a row");
        }
        if (std::any_of(row.begin(), row.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
            report(lineNumber, "a row may not hold control characters");
        }
        const auto fields = host::runtime::Split(row, ",");
        for (std::size_t column = 0; column < fields.size(); ++column) {
            checkField(lineNumber, column, fields[column]);
        }
    }

  private:
    void checkField(std::size_t lineNumber, std::size_t column, const std::string& field) {
        const std::string where = "field " + std::to_string(column + 1) + " \"" + field + "\": ";
        for (const auto wide : kWideSeparators) {
            if (field.find(wide) != std::string::npos) {
                report(lineNumber, where + "full-width \"" + std::string(wide) + "\" becomes a separator");
            }
        }
        const FieldKind kind = FieldKindOf(section_, column);
        if (kind == FieldKind::WideName || kind == FieldKind::NarrowName) {
            // A loader keys its catalogue by the name, and an empty key is no key.
            if (host::runtime::Trim(field).empty()) report(lineNumber, where + "a name may not be empty");
            for (const auto ascii : kNameForbidden) {
                if (field.find(ascii) != std::string::npos) {
                    report(lineNumber, where + "a name may not hold \"" + std::string(ascii) + "\"");
                }
            }
        }
        if (kind == FieldKind::Wide || kind == FieldKind::WideName) {
            const std::string loaded = host::text::toWide(host::text::toNarrow(field));
            if (loaded != field) report(lineNumber, where + "is loaded as \"" + loaded + "\"");
        }
        if (kind == FieldKind::Narrow || kind == FieldKind::NarrowName) {
            const std::string narrow = host::text::toNarrow(field);
            if (narrow != field) report(lineNumber, where + "must be half-width, as \"" + narrow + "\"");
        }
    }

    void report(std::size_t lineNumber, const std::string& message) {
        problems_.push_back(fileName_ + ":" + std::to_string(lineNumber) + ": " + message);
    }

    std::string fileName_;
    int section_;
    std::vector<std::string>& problems_;
};

// The rows of one source file, checked; problems are added to the list.
std::vector<std::string> readSection(const fs::path& path, int section, std::vector<std::string>& problems) {
    const std::string fileName = path.filename().string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problems.push_back(fileName + ": cannot be read");
        return {};
    }
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (content.starts_with(kBom)) content.erase(0, kBom.size());
    if (!validUtf8(content)) {
        problems.push_back(fileName + ": is not UTF-8 text");
        return {};
    }
    SectionChecker checker(fileName, section, problems);
    std::vector<std::string> rows;
    std::istringstream lines(content);
    std::string line;
    for (std::size_t lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        if (line.ends_with('\r')) line.pop_back();
        if (line.empty()) continue;
        checker.checkRow(lineNumber, line);
        rows.push_back(line);
    }
    return rows;
}

} // namespace

MasterDataError::MasterDataError(const std::vector<std::string>& problems)
    : std::runtime_error(joinLines(problems)), problems_(problems) {}

MasterText BuildMasterText(const fs::path& folder) {
    std::vector<std::string> problems;
    std::map<int, fs::path> sources;
    std::vector<fs::path> entries;
    if (!fs::is_directory(folder)) throw MasterDataError({folder.string() + ": no such folder"});
    for (const auto& entry : fs::directory_iterator(folder))
        entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    for (const auto& path : entries) {
        if (path.extension() != ".txt") continue;
        const std::string fileName = path.filename().string();
        const int section = sectionOf(fileName);
        if (section < 0) {
            problems.push_back(fileName + ": the name must start with a section number 00 to 31 and \"-\"");
        } else if (!sources.emplace(section, path).second) {
            problems.push_back(fileName + ": section " + std::to_string(section) + " already comes from " +
                               sources[section].filename().string());
        }
    }

    MasterText result;
    std::vector<std::string> sections(kSectionCount);
    for (int section = 0; section < kSectionCount; ++section) {
        const auto source = sources.find(section);
        if (source == sources.end()) {
            result.missing.push_back(section);
            continue;
        }
        const auto rows = readSection(source->second, section, problems);
        sections[static_cast<std::size_t>(section)] = host::runtime::Join(rows, "\r\n");
    }
    if (!problems.empty()) throw MasterDataError(problems);
    result.text = host::runtime::Join(sections, ";");
    return result;
}

std::vector<std::uint8_t> EncryptMasterText(const std::string& text) {
    const auto plain = host::text::utf8ToUtf16le(text);
    return basEnc::EncryptBytes(plain, basEnc::MakePassword(basEnc::kPasswordSeed), basEnc::CALG_MD5,
                                basEnc::CALG_RC4);
}

} // namespace tools
