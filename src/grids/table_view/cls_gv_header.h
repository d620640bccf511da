#pragma once

#include "platform/records/cls_font.h"

#include "host/gdi/device_context.h"

#include <cstdint>
#include <string>

// One cell of the table view: its place, width, text and alignment, and
// optionally a picture, a font and a text colour of its own.
class clsGVHeader {
  public:
    void Add(std::int16_t pRow, std::int16_t pCol, std::int16_t pWidth, std::int32_t TA, std::string pText,
             std::string pID);
    // The picture and its mask (null for none) are owned by the caller.
    // OVERLAPPED lays the text over the picture, pLeft away from the edge;
    // TA places the picture: 1 left, 2 centred, 3 right.
    void SetImage(const host::gdi::DeviceContext* Image, const host::gdi::DeviceContext* MaskImage,
                  bool OVERLAPPED, std::int32_t TA, std::int16_t pLeft);
    void SetFont(std::string FontName, std::int16_t FontSize, bool FontBold);
    // The size of the picture's bitmap; 0 x 0 without a picture.
    void GetImageSize(std::int16_t& pWidth, std::int16_t& pHeight) const;

    const host::gdi::DeviceContext* Image() const { return image_; }
    const host::gdi::DeviceContext* MaskImage() const { return maskImage_; }
    bool OVERLAPPED() const { return overlapped_; }
    std::int32_t ImageAlign() const { return imageAlign_; }
    std::int16_t ImageTextLeft() const { return imageTextLeft_; }
    const std::string& Text() const { return text_; }
    void Text(std::string pData) { text_ = std::move(pData); }
    std::int16_t Row() const { return row_; }
    std::int16_t Col() const { return col_; }
    std::int16_t Width() const { return width_; }
    std::int32_t Align() const { return align_; }
    const clsFont& Font() const { return font_; }
    std::int32_t TextColor() const { return textColor_; }
    void TextColor(std::int32_t pData);
    const std::string& ID() const { return id_; }
    bool IsImage() const { return isImage_; }
    bool IsFont() const { return isFont_; }
    bool IsTextColor() const { return isTextColor_; }

  private:
    std::int16_t col_ = 0;
    std::int16_t row_ = 0;
    std::string text_;
    std::int16_t width_ = 0;
    std::int32_t align_ = 0;
    clsFont font_;
    std::int32_t textColor_ = 0;
    const host::gdi::DeviceContext* image_ = nullptr;
    const host::gdi::DeviceContext* maskImage_ = nullptr;
    bool overlapped_ = false;
    std::int32_t imageAlign_ = 0;
    std::int16_t imageTextLeft_ = 0;
    bool isImage_ = false;
    bool isFont_ = false;
    bool isTextColor_ = false;
    std::string id_;
};
