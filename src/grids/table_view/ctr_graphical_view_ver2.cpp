#include "grids/table_view/ctr_graphical_view_ver2.h"

#include "host/ui/font_choice.h"

#include <algorithm>

namespace {

// The face of a picture box's standard font, which the view's fonts take.
const std::string& dispFace() {
    static const std::string face = host::ui::FontChoice{}.name;
    return face;
}

} // namespace

GraphicalViewSettings GraphicalViewSettings::readDefaults() {
    GraphicalViewSettings stored;
    stored.FrameColor = 1;
    stored.TextColor = 1;
    stored.TransColor = 5;
    stored.Frame = true;
    return stored;
}

ctrGraphicalViewVer2::ctrGraphicalViewVer2() : OwnerDrawn("ctrGraphicalViewVer2") {
    font_.Name(dispFace());
    FontSize(settings.FontSize);
    FontBold(settings.FontBold);
}

void ctrGraphicalViewVer2::ReadProperties(const GraphicalViewSettings& stored) {
    settings = stored;
    FontBold(stored.FontBold);
    FontSize(stored.FontSize);
}

void ctrGraphicalViewVer2::AddHeader(std::int16_t pRow, std::int16_t pCol, std::int32_t TA,
                                     std::int16_t pWidth, std::string pID, std::string pText) {
    headers_.Add(pRow, pCol, pWidth, TA, std::move(pText), std::move(pID));
}

void ctrGraphicalViewVer2::HeaderHeight(std::int16_t pRow, std::int16_t pHeight) {
    headers_.RowHeight(pRow, pHeight);
}

void ctrGraphicalViewVer2::SetImage(const std::string& pID, const host::gdi::DeviceContext* Image,
                                    const host::gdi::DeviceContext* MaskImage, bool OVERLAPPED,
                                    std::int32_t TA, std::int16_t pLeft) {
    headers_.SetImage(pID, Image, MaskImage, OVERLAPPED, TA, pLeft);
}

void ctrGraphicalViewVer2::SetFont(const std::string& pID, std::int16_t FontSize, bool FontBold) {
    headers_.SetFont(pID, dispFace(), FontSize, FontBold);
}

void ctrGraphicalViewVer2::SetBackImage(host::gdi::DeviceContext& BackImage, std::int16_t pLeft,
                                        std::int16_t pTop) {
    background_ = &BackImage;
    backLeft_ = pLeft;
    backTop_ = pTop;
}

void ctrGraphicalViewVer2::SetFontColor(const std::string& pID, std::int32_t clrName) {
    headers_.SetFontColor(pID, clrName);
}

void ctrGraphicalViewVer2::TR(std::int16_t value) {
    settings.TR = std::clamp<std::int16_t>(value, 0, 100);
}

void ctrGraphicalViewVer2::FontSize(std::int16_t value) {
    font_.Size(value);
    settings.FontSize = font_.Size();
}

void ctrGraphicalViewVer2::FontBold(bool value) {
    font_.Bold(value);
    settings.FontBold = value;
}
