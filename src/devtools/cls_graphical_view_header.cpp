#include "devtools/cls_graphical_view_header.h"

void clsGraphicalViewHeader::Add(const std::string& pText, std::int16_t pWidth, std::int16_t pRow,
                                 std::int16_t pCol, std::int32_t pTA) {
    Text_ = pText;
    Width_ = pWidth;
    Row_ = pRow;
    Col_ = pCol;
    TextAlign_ = pTA;
}

void clsGraphicalViewHeader::MouseOver(bool value) {
    if (TextAlign_ == kMouseOverAlign) MouseOver_ = value;
}

std::int16_t clsGraphicalViewHeader::RectArea(std::int16_t pRect) const {
    return pRect >= 1 && pRect <= 4 ? rect_[static_cast<std::size_t>(pRect - 1)] : 0;
}

void clsGraphicalViewHeader::RectArea(std::int16_t pRect, std::int16_t value) {
    if (pRect >= 1 && pRect <= 4) rect_[static_cast<std::size_t>(pRect - 1)] = value;
}
