#include "grids/table_view/cls_gv_headers.h"

#include "host/runtime/saturate.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

// A coordinate or size stored into a 16-bit field.
std::int16_t pixels(std::int64_t value) {
    return host::runtime::saturate16(value);
}

std::string rowKey(std::int16_t pRow) {
    return "Row" + std::to_string(pRow);
}

// A field of the cell, or what a missing cell gives.
template <class Value, class Field> Value fieldOr(const clsGVHeader* header, Field field, Value none) {
    return header ? Value(std::invoke(field, *header)) : none;
}

bool odd(int n) {
    return n % 2 != 0;
}

} // namespace

void clsGVHeaders::Add(std::int16_t pRow, std::int16_t pCol, std::int16_t pWidth, std::int32_t TA,
                       std::string pText, std::string pID) {
    clsGVHeader header;
    header.Add(pRow, pCol, pWidth, TA, std::move(pText), pID);
    headers_.add(std::move(header), std::move(pID));
}

void clsGVHeaders::SetImage(const std::string& pID, const host::gdi::DeviceContext* Image,
                            const host::gdi::DeviceContext* MaskImage, bool OVERLAPPED, std::int32_t TA,
                            std::int16_t pLeft) {
    headers_.item(pID).SetImage(Image, MaskImage, OVERLAPPED, TA, pLeft);
}

void clsGVHeaders::SetFont(const std::string& pID, std::string FontName, std::int16_t FontSize,
                           bool FontBold) {
    headers_.item(pID).SetFont(std::move(FontName), FontSize, FontBold);
}

void clsGVHeaders::SetFontColor(const std::string& pID, std::int32_t clrName) {
    headers_.item(pID).TextColor(clrName);
}

void clsGVHeaders::GetImageSize(std::int16_t pRow, std::int16_t pCol, std::int16_t& pWidth,
                                std::int16_t& pHeight) const {
    if (const clsGVHeader* header = at(pRow, pCol)) header->GetImageSize(pWidth, pHeight);
}

void clsGVHeaders::GetControlSize(std::int16_t& pWidth, std::int16_t& pHeight) const {
    int width = pWidth;
    int height = pHeight;
    for (std::int16_t r = 1; r <= RowCount(); ++r) {
        height += RowHeight(r);
        int rowWidth = 0;
        for (std::int16_t c = 1; c <= ColCount(r); ++c)
            rowWidth += Width(r, c);
        width = std::max(width, rowWidth);
    }
    pWidth = pixels(width);
    pHeight = pixels(height);
}

bool clsGVHeaders::GetCellRect(std::int16_t pRow, std::int16_t pCol, clsRECT& cRect) const {
    if (!exists(pRow, pCol)) return false;
    const CellBox box = cellBox(pRow, pCol);
    int top = box.y;
    int left = box.x;
    int right = box.x + box.W - 1;
    const int bottom = box.y + box.H - 2;
    if (odd(pRow)) top = box.y + 1;
    if (odd(pCol)) {
        left = box.x + 1;
        right = box.x + box.W - 2;
    } else if (pCol == ColCount(pRow)) {
        right = box.x + box.W - 2;
    }
    cRect.Top(pixels(top));
    cRect.Left(pixels(left));
    cRect.Bottom(pixels(bottom));
    cRect.Right(pixels(right));
    return true;
}

bool clsGVHeaders::GetTextRect(std::int16_t pRow, std::int16_t pCol, clsRECT& cRect) const {
    clsRECT rect;
    if (!GetCellRect(pRow, pCol, rect)) return false;
    const clsGVHeader& header = *at(pRow, pCol);
    if (header.IsImage()) {
        std::int16_t iw = 0;
        std::int16_t ih = 0;
        header.GetImageSize(iw, ih);
        const int left = rect.Left();
        const int right = rect.Right();
        if (header.OVERLAPPED()) {
            if (header.ImageAlign() == 3)
                rect.Right(pixels(right - header.ImageTextLeft()));
            else
                rect.Left(pixels(left + header.ImageTextLeft()));
        } else if (header.ImageAlign() == 2) {
            // The text ends where the centred picture begins.
            rect.Right(host::runtime::saturate<std::int16_t>((right - left) / 2.0 - iw / 2.0 + left));
        } else if (header.ImageAlign() == 1) {
            rect.Left(pixels(left + iw));
        } else if (header.ImageAlign() == 3) {
            rect.Right(pixels(right - iw));
        }
    }
    cRect = rect;
    return true;
}

void clsGVHeaders::GetIDtoHeader(const std::string& pID, std::int16_t& pRow, std::int16_t& pCol) const {
    const clsGVHeader& header = headers_.item(pID);
    pRow = header.Row();
    pCol = header.Col();
}

void clsGVHeaders::RowHeight(std::int16_t pRow, std::int16_t pHeight) {
    rowHeights_.add(pHeight, rowKey(pRow));
}

std::int16_t clsGVHeaders::RowHeight(std::int16_t pRow) const {
    return rowHeights_.item(rowKey(pRow));
}

bool clsGVHeaders::IsTextColor(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr(at(pRow, pCol), &clsGVHeader::IsTextColor, false);
}

bool clsGVHeaders::IsImage(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr(at(pRow, pCol), &clsGVHeader::IsImage, false);
}

const host::gdi::DeviceContext* clsGVHeaders::Image(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr<const host::gdi::DeviceContext*>(at(pRow, pCol), &clsGVHeader::Image, nullptr);
}

const host::gdi::DeviceContext* clsGVHeaders::MaskImage(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr<const host::gdi::DeviceContext*>(at(pRow, pCol), &clsGVHeader::MaskImage, nullptr);
}

bool clsGVHeaders::OVERLAPPED(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr(at(pRow, pCol), &clsGVHeader::OVERLAPPED, false);
}

std::int32_t clsGVHeaders::ImageAlign(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr<std::int32_t>(at(pRow, pCol), &clsGVHeader::ImageAlign, 0);
}

std::int16_t clsGVHeaders::ImageTextLeft(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr<std::int16_t>(at(pRow, pCol), &clsGVHeader::ImageTextLeft, 0);
}

bool clsGVHeaders::IsFont(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr(at(pRow, pCol), &clsGVHeader::IsFont, false);
}

const clsFont* clsGVHeaders::Font(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr<const clsFont*>(
        at(pRow, pCol), [](const clsGVHeader& h) { return &h.Font(); }, nullptr);
}

std::string clsGVHeaders::Text(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr(
        at(pRow, pCol), [](const clsGVHeader& h) { return h.Text(); }, std::string());
}

void clsGVHeaders::Text(std::int16_t pRow, std::int16_t pCol, std::string value) {
    if (clsGVHeader* header = at(pRow, pCol)) header->Text(std::move(value));
}

const std::string& clsGVHeaders::TextAsID(const std::string& pID) const {
    return headers_.item(pID).Text();
}

void clsGVHeaders::TextAsID(const std::string& pID, std::string value) {
    headers_.item(pID).Text(std::move(value));
}

std::int32_t clsGVHeaders::TextColor(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr(
        at(pRow, pCol), [](const clsGVHeader& h) { return h.TextColor(); }, 0);
}

std::int32_t clsGVHeaders::TextAlign(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr<std::int32_t>(at(pRow, pCol), &clsGVHeader::Align, 0);
}

std::int16_t clsGVHeaders::Width(std::int16_t pRow, std::int16_t pCol) const {
    return fieldOr<std::int16_t>(at(pRow, pCol), &clsGVHeader::Width, 0);
}

std::int16_t clsGVHeaders::RowCount() const {
    return pixels(rowHeights_.count());
}

std::int16_t clsGVHeaders::ColCount(std::int16_t pRow) const {
    int count = 0;
    for (const clsGVHeader& header : headers_)
        if (header.Row() == pRow) ++count;
    return pixels(count);
}

clsGVHeaders::CellBox clsGVHeaders::cellBox(std::int16_t pRow, std::int16_t pCol) const {
    CellBox box;
    for (std::int16_t r = 1; r < pRow; ++r)
        box.y += RowHeight(r);
    box.H = RowHeight(pRow);
    for (std::int16_t c = 1; c < pCol; ++c)
        box.x += Width(pRow, c);
    box.W = Width(pRow, pCol);
    return box;
}

clsGVHeader* clsGVHeaders::at(std::int16_t pRow, std::int16_t pCol) {
    for (clsGVHeader& header : headers_)
        if (header.Row() == pRow && header.Col() == pCol) return &header;
    return nullptr;
}

const clsGVHeader* clsGVHeaders::at(std::int16_t pRow, std::int16_t pCol) const {
    return const_cast<clsGVHeaders*>(this)->at(pRow, pCol);
}

bool clsGVHeaders::exists(std::int16_t pRow, std::int16_t pCol) const {
    return pRow >= 1 && pCol >= 1 && pRow <= RowCount() && pCol <= ColCount(pRow);
}
