#include "grids/columns/cls_gg_ver2_header.h"

void clsGGVer2Header::Add(std::string pGGName, std::string pName, std::int32_t pTA, std::int16_t pIndex,
                          std::int16_t pWidth, std::string pFieldName, std::int16_t pMinORImageWidth,
                          std::int16_t pMaxORImageHeight, host::gdi::DeviceContext* pImageHDC,
                          host::gdi::DeviceContext* pImageMaskHDC) {
    ggName_ = std::move(pGGName);
    name_ = std::move(pName);
    textAlign_ = pTA;
    index_ = pIndex;
    width_ = pWidth;
    fieldName_ = std::move(pFieldName);
    minorImageWidth_ = pMinORImageWidth;
    maxorImageHeight_ = pMaxORImageHeight;
    imageHDC_ = pImageHDC;
    imageMaskHDC_ = pImageMaskHDC;
}
