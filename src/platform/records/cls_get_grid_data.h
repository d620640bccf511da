#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One grid row of text cells 0..Cols. Cells outside the row read empty and
// ignore writes; a row never sized has no cells.
class clsGetGridData {
  public:
    // Resizes to cells 0..pCols, all empty.
    void SetCols(std::int16_t pCols);
    std::int16_t Cols() const { return cols_; }
    std::string Data(std::int16_t pIndex) const;
    void Data(std::int16_t pIndex, std::string pData);

  private:
    bool holds(std::int16_t pIndex) const;

    std::vector<std::string> cells_;
    std::int16_t cols_ = 0;
};
