#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A rival school that enters tournaments (a section-18 row).
class clsSchool {
  public:
    // Full-width; its team's name in battle.
    const std::string& SchoolName() const { return schoolName_; }
    // The formation it fights in, full-width.
    const std::string& LineName() const { return lineName_; }
    // The school rank 0..7 it enters tournaments at.
    std::int16_t Rank() const { return rank_; }
    std::int16_t Understanding() const { return understanding_; }
    // The strength its team is built from by rank: 10 at rank 0 up to 76 at
    // rank 7 (a data table), 0 for any other rank.
    std::int16_t BasePoint() const;
    // "name,rank,formation,understanding"; the texts are widened. A short
    // row or a column that does not convert raises the runtime's error and
    // changes nothing.
    void SetData(std::string_view row);

  private:
    std::string schoolName_;
    std::string lineName_;
    std::int16_t rank_ = 0;
    std::int16_t understanding_ = 0;
};
