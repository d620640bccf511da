#include "grids/table_view/cls_gv_header.h"

#include "platform/drawing/memory_dc.h"

#include "host/runtime/saturate.h"

void clsGVHeader::Add(std::int16_t pRow, std::int16_t pCol, std::int16_t pWidth, std::int32_t TA,
                      std::string pText, std::string pID) {
    row_ = pRow;
    col_ = pCol;
    width_ = pWidth;
    align_ = TA;
    text_ = std::move(pText);
    id_ = std::move(pID);
}

void clsGVHeader::SetImage(const host::gdi::DeviceContext* Image, const host::gdi::DeviceContext* MaskImage,
                           bool OVERLAPPED, std::int32_t TA, std::int16_t pLeft) {
    image_ = Image;
    maskImage_ = MaskImage;
    overlapped_ = OVERLAPPED;
    imageAlign_ = TA;
    imageTextLeft_ = pLeft;
    isImage_ = true;
}

void clsGVHeader::SetFont(std::string FontName, std::int16_t FontSize, bool FontBold) {
    font_.Bold(FontBold);
    font_.Name(std::move(FontName));
    font_.Size(FontSize);
    isFont_ = true;
}

void clsGVHeader::GetImageSize(std::int16_t& pWidth, std::int16_t& pHeight) const {
    const BitmapSize size = image_ ? GetBitmapSize(*image_) : BitmapSize{};
    pWidth = host::runtime::saturate16(std::int64_t{size.width});
    pHeight = host::runtime::saturate16(std::int64_t{size.height});
}

void clsGVHeader::TextColor(std::int32_t pData) {
    textColor_ = pData;
    isTextColor_ = true;
}
