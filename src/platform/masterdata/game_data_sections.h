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

// The sections the game reads, by number.
namespace GameDataSection {
inline constexpr int StudentNames = 0;
inline constexpr int TeacherCharacter = 1;
inline constexpr int IndividualPolicy = 2;
inline constexpr int ClassPolicy = 3;
inline constexpr int Growth = 4;
inline constexpr int Skills = 5;
inline constexpr int Formations = 6;
inline constexpr int FormationSkills = 7;
inline constexpr int FormationPositions = 8;
inline constexpr int Teachers = 9;
inline constexpr int Lessons = 10;
inline constexpr int PartTimeJobs = 11;
inline constexpr int TrainingCamps = 12;
inline constexpr int Scouts = 13;
inline constexpr int Items = 14;
inline constexpr int Recipes = 15;
inline constexpr int Companies = 16;
inline constexpr int Sponsors = 17;
inline constexpr int RivalSchools = 18;
inline constexpr int Constructions = 19;
inline constexpr int Classrooms = 20;
inline constexpr int Facilities = 21;
inline constexpr int SchoolBuildings = 22;
inline constexpr int Monsters = 23;
inline constexpr int Quests = 24;
inline constexpr int MonsterSkills = 25;
inline constexpr int ItemShop = 26;
inline constexpr int Permits = 27;
inline constexpr int TicketPrizes = 28;
inline constexpr int TournamentRules = 29;
inline constexpr int TournamentPrizes = 30;
inline constexpr int BattleEffects = 31;
} // namespace GameDataSection

// Fewer than 32 sections raise the subscript error; sections past 31 are ignored.
GameDataSections SplitGameData(std::span<const std::uint8_t> bytes);
