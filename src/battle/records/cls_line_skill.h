#pragma once

#include <string>

// A formation or a monster paired with one of its skills (a section-7 or
// section-25 row).
class clsLineSkill {
  public:
    // The formation (as loaded) or the monster (full-width).
    const std::string& LineName() const { return lineName_; }
    void LineName(std::string value) { lineName_ = std::move(value); }
    // The skill's name, full-width.
    const std::string& LineSkill() const { return lineSkill_; }
    void LineSkill(std::string value) { lineSkill_ = std::move(value); }

  private:
    std::string lineName_;
    std::string lineSkill_;
};
