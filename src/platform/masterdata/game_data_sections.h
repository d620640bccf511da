#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The master data split into its 32 sections: the text as UTF-16LE, narrowed
// as a whole, split at ";". Section 0 (the student names) is widened again.
struct GameDataSections {
    static constexpr int kCount = 32;
    std::array<std::string, kCount> section;

    // Sections 1, 2 and 3 joined again with ";", as their one loader takes them.
    std::string compatibilityTables() const;
};

// Fewer than 32 sections raise the subscript error; sections past 31 are ignored.
GameDataSections SplitGameData(std::span<const std::uint8_t> bytes);
