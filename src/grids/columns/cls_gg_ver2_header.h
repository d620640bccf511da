#pragma once

#include "host/gdi/device_context.h"

#include <cstdint>
#include <string>

// One column of a grid's column set. Every field is set once by Add.
class clsGGVer2Header {
  public:
    void Add(std::string pGGName, std::string pName, std::int32_t pTA, std::int16_t pIndex,
             std::int16_t pWidth, std::string pFieldName, std::int16_t pMinORImageWidth,
             std::int16_t pMaxORImageHeight, host::gdi::DeviceContext* pImageHDC,
             host::gdi::DeviceContext* pImageMaskHDC);

    // The column's picture and its mask; null when it has none.
    host::gdi::DeviceContext* ImageHDC() const { return imageHDC_; }
    host::gdi::DeviceContext* ImageMaskHDC() const { return imageMaskHDC_; }
    const std::string& GGName() const { return ggName_; }
    const std::string& Name() const { return name_; }
    // The column kind (GridColumnKind).
    std::int32_t TextAlign() const { return textAlign_; }
    std::int16_t Index() const { return index_; }
    const std::string& FieldName() const { return fieldName_; }
    std::int16_t Width() const { return width_; }
    // A bar's lower bound, or the width of a check or picture column's picture.
    std::int16_t MinorImageWidth() const { return minorImageWidth_; }
    // A bar's upper bound, a picture's frame height, or a check picture's
    // height (both states, one above the other).
    std::int16_t MaxorImageHeight() const { return maxorImageHeight_; }

  private:
    std::string ggName_;
    std::string name_;
    std::string fieldName_;
    std::int32_t textAlign_ = 0;
    std::int16_t index_ = 0;
    std::int16_t width_ = 0;
    std::int16_t minorImageWidth_ = 0;
    std::int16_t maxorImageHeight_ = 0;
    host::gdi::DeviceContext* imageHDC_ = nullptr;
    host::gdi::DeviceContext* imageMaskHDC_ = nullptr;
};
