#pragma once

#include <cstdint>

// A rectangle in pixels of the owning control.
class clsRECT {
  public:
    std::int16_t Top() const { return top_; }
    void Top(std::int16_t pData) { top_ = pData; }
    std::int16_t Left() const { return left_; }
    void Left(std::int16_t pData) { left_ = pData; }
    std::int16_t Bottom() const { return bottom_; }
    void Bottom(std::int16_t pData) { bottom_ = pData; }
    std::int16_t Right() const { return right_; }
    void Right(std::int16_t pData) { right_ = pData; }

  private:
    std::int16_t top_ = 0;
    std::int16_t left_ = 0;
    std::int16_t bottom_ = 0;
    std::int16_t right_ = 0;
};
