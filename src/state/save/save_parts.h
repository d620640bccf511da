#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The body of a save file: the save strings of the nine persistent managers,
// joined by "," in this order and closed by ",Ending".
enum class SavePart : std::size_t {
    System,  // clsSystem
    Scout,   // clsMngScout
    Trade,   // clsTrade, the business cycle
    Company, // clsMngCompany
    Arbeit,  // clsMngArbeit
    Lines,   // clsLines, the monster defeat counts
    Teacher, // clsMngTeacher
    Item,    // clsMngItem
    Student, // clsMngStudent
};

inline constexpr std::size_t kSavePartCount = 9;

// Indexed by SavePart.
using SaveParts = std::array<std::string, kSavePartCount>;

inline constexpr std::array<SavePart, kSavePartCount> kSavePartOrder = {
    SavePart::System, SavePart::Scout,   SavePart::Trade, SavePart::Company, SavePart::Arbeit,
    SavePart::Lines,  SavePart::Teacher, SavePart::Item,  SavePart::Student,
};

inline std::string& partOf(SaveParts& parts, SavePart part) {
    return parts[static_cast<std::size_t>(part)];
}
inline const std::string& partOf(const SaveParts& parts, SavePart part) {
    return parts[static_cast<std::size_t>(part)];
}

// What the player reads for a part in a message ("生徒").
std::string_view savePartLabel(SavePart part);

// The nine parts joined by "," with ",Ending" after them.
std::string joinSaveBody(const SaveParts& parts);

// The parts read back from a save, or why there are none.
struct ReadSaveParts {
    std::optional<SaveParts> parts;
    std::string error;
};

// A body that is exactly the nine parts and "Ending"; a cut or foreign body
// has fewer or more parts, or no "Ending" at its end.
ReadSaveParts splitSaveBody(std::string_view body);
