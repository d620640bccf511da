#pragma once

#include <array>
#include <cstdint>
#include <string>

// One header cell of the older header model: caption, width, row, column,
// alignment code, four stored rectangle values and a mouse-over flag.
class clsGraphicalViewHeader {
  public:
    // The alignment code of a cell that takes the mouse-over flag.
    static constexpr std::int32_t kMouseOverAlign = 4;

    void Add(const std::string& pText, std::int16_t pWidth, std::int16_t pRow, std::int16_t pCol,
             std::int32_t pTA);
    bool MouseOver() const { return MouseOver_; }
    // Kept only by a cell aligned kMouseOverAlign.
    void MouseOver(bool value);
    // Values 1..4; another index reads 0 and keeps nothing.
    std::int16_t RectArea(std::int16_t pRect) const;
    void RectArea(std::int16_t pRect, std::int16_t value);
    const std::string& Text() const { return Text_; }
    void Text(const std::string& value) { Text_ = value; }
    std::int16_t Row() const { return Row_; }
    std::int16_t Col() const { return Col_; }
    std::int16_t Width() const { return Width_; }
    std::int32_t TextAlign() const { return TextAlign_; }

  private:
    std::string Text_;
    std::int16_t Width_ = 0;
    std::int16_t Row_ = 0;
    std::int16_t Col_ = 0;
    std::int32_t TextAlign_ = 0;
    std::array<std::int16_t, 4> rect_{};
    bool MouseOver_ = false;
};
