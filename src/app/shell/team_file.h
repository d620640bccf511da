#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The exported team file "<name><n>.kpu" in the program's folder: the name
// as UTF-16LE in a 20-byte area, then the body text as UTF-16LE encrypted
// under the typed password.
namespace team_file {

// The longest team name, in characters.
inline constexpr int kNameLength = 10;
inline constexpr int kNameArea = 20;
// Numbers tried for a free file name.
inline constexpr int kLastNumber = 1000;

// Why the typed name cannot name a file ("" when it can): nothing but
// spaces, a path separator or a control character.
std::string nameRefusal(std::string_view name);
// Why the password cannot key the file ("" when it can): characters CP932
// cannot hold.
std::string passwordRefusal(std::string_view password);

// The body: formation, battle item, the unit's statistics and the school's
// summary joined by ",", then ",Ending".
std::string body(const std::string& lineName, const std::string& itemName, const std::string& statistics,
                 const std::string& school);
// The file's bytes; the name and password have passed their checks.
std::vector<std::uint8_t> image(std::string_view name, std::string_view bodyText, std::string_view password);

// Writes the bytes whole under the first free number 1 to 1000 (number 1000
// is replaced when every number is taken); "" on success, otherwise why
// nothing was written.
std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes);
// The game path of number n.
std::string path(const std::string& name, int n);

} // namespace team_file
