#pragma once

#include <cstdint>

// A snapshot of the school against which the companies' sponsor conditions
// are tested: rank, building scales and built buildings from clsSystem, and
// the weighted graduate points of each career line, filled in by the student
// roster. Career points are held in 16 bits; a larger value is held at the
// range's end.
class clsSponsorCondition {
  public:
    // The points of a career line by its base course number; 0 for a number
    // that is no career line.
    std::int16_t GetOccupationNumber(std::int16_t number) const;

    std::int16_t Hunter() const { return hunter_; }
    void Hunter(std::int16_t value) { hunter_ = value; }
    std::int16_t Scholar() const { return scholar_; }
    void Scholar(std::int16_t value) { scholar_ = value; }
    std::int32_t Ninja() const { return ninja_; }
    void Ninja(std::int32_t value);
    std::int32_t Knight() const { return knight_; }
    void Knight(std::int32_t value);
    std::int32_t LineLeader() const { return lineLeader_; }
    void LineLeader(std::int32_t value);
    std::int32_t Merchant() const { return merchant_; }
    void Merchant(std::int32_t value);
    std::int32_t Adventurer() const { return adventurer_; }
    void Adventurer(std::int32_t value);
    std::int32_t Traverer() const { return traverer_; }
    void Traverer(std::int32_t value);
    std::int32_t Engineer() const { return engineer_; }
    void Engineer(std::int32_t value);
    std::int32_t Soldier() const { return soldier_; }
    void Soldier(std::int32_t value);
    std::int32_t Gambler() const { return gambler_; }
    void Gambler(std::int32_t value);

    std::int16_t Rank = 0;
    std::int16_t SchoolScale = 0;
    std::int16_t SchoolhouseScale = 0;
    std::int16_t DormitoryScale = 0;
    // The bit sets of built constructions, classrooms and facilities.
    std::int32_t Construct = 0;
    std::int32_t Classroom = 0;
    std::int32_t Facilities = 0;

  private:
    std::int16_t hunter_ = 0;
    std::int16_t scholar_ = 0;
    std::int16_t ninja_ = 0;
    std::int16_t knight_ = 0;
    std::int16_t lineLeader_ = 0;
    std::int16_t merchant_ = 0;
    std::int16_t adventurer_ = 0;
    std::int16_t traverer_ = 0;
    std::int16_t engineer_ = 0;
    std::int16_t soldier_ = 0;
    std::int16_t gambler_ = 0;
};
