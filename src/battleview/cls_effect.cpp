#include "battleview/cls_effect.h"

#include "platform/drawing/graphical_controls_props.h"
#include "platform/drawing/memory_dc.h"
#include "platform/graphics/images.h"
#include "platform/records/cls_font.h"
#include "platform/services/game_services.h"

#include "host/gdi/blit.h"
#include "host/gdi/color.h"
#include "host/gdi/draw_text.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"

#include <algorithm>

using host::gdi::DeviceContext;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr std::int32_t kPictureWidth = 800;
constexpr std::int32_t kPictureHeight = 600;
constexpr std::int16_t kStatusPoints = 16;
constexpr std::int32_t kLeftBox = 321;
constexpr std::int32_t kRightBox = 429;
constexpr std::int32_t kBoxWidth = 50;
constexpr std::int32_t kPhysicalRow = 10;
constexpr std::int32_t kEnergyRow = 40;
constexpr std::int32_t kNumberHeight = 15;
constexpr std::int32_t kUnknownRise = 3;
constexpr std::int32_t kUnknownHeight = 20;
constexpr const char* kUnknown = "不明";

std::string positionKey(int number) {
    return "Number" + std::to_string(number);
}

} // namespace

host::ui::PictureBox& clsEffect::picture() const {
    if (!picture_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the battle drawing has no picture");
    return *picture_;
}

DeviceContext& clsEffect::background() const {
    if (!background_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the battle drawing has no form context");
    return *background_;
}

void clsEffect::SetfrmHDC(const DeviceContext& pfrmHDC) {
    formDC_ = &pfrmHDC;
    background_ = CreateMemoryDC(pfrmHDC, kPictureWidth, kPictureHeight);
    clsFont font;
    font.Bold(true);
    font.Name(picture().Font().name);
    font.Size(kStatusPoints);
    statusFont_ = CreateFontHandle(font);
}

void clsEffect::SetUnit(clsUnit& uLeft, clsUnit& uRight) {
    left_ = &uLeft;
    right_ = &uRight;
    host::gdi::BitBlt(background(), 0, 0, kPictureWidth, kPictureHeight, picture().hDC(), 0, 0,
                      host::gdi::SRCCOPY);
    ComposeSprites();
}

std::unique_ptr<DeviceContext> clsEffect::blackSprite() const {
    auto sprite = CreateMemoryDC(*formDC_, kSpriteWidth, kFieldHeight);
    host::gdi::PatBlt(*sprite, 0, 0, kSpriteWidth, kFieldHeight, host::gdi::BLACKNESS);
    return sprite;
}

void clsEffect::ComposeSprites() {
    auto left = std::make_unique<Sprite>();
    left->picture = blackSprite();
    composeFormation(*left->picture, *left_, true, leftFront_);
    left->mask = CreateMaskDC(*left->picture, kSpriteWidth, kFieldHeight, host::gdi::kBlack, *formDC_);
    auto right = std::make_unique<Sprite>();
    right->picture = blackSprite();
    if (right_->GetIsMonster())
        composeMonster(*right->picture, *right_);
    else
        composeFormation(*right->picture, *right_, false, rightFront_);
    right->mask = CreateMaskDC(*right->picture, kSpriteWidth, kFieldHeight, host::gdi::kBlack, *formDC_);
    leftSprite_ = std::move(left);
    rightSprite_ = std::move(right);
}

void clsEffect::composeFormation(DeviceContext& sprite, const clsUnit& unit, bool left,
                                 std::int32_t& front) const {
    const std::string side = left ? "左" : "右";
    std::int32_t largestX = 0;
    for (int n = 1; n <= 5; ++n) {
        const clsLineData* position = unit.GetLineDatas().item(positionKey(n));
        const std::int32_t x =
            left ? kCell * (position->XPosition() - 1) : kCell * (8 - position->XPosition());
        const std::int32_t y = kCell * (position->YPosition() - 1);
        host::gdi::BitBlt(sprite, x, y, kCell, kCell, Images().GetImageHDC(position->Image() + side), 0, 0,
                          host::gdi::SRCCOPY);
        largestX = std::max<std::int32_t>(largestX, position->XPosition());
    }
    front = left ? kCell * largestX : kSpriteWidth + kCell * (8 - largestX);
}

void clsEffect::composeMonster(DeviceContext& sprite, const clsUnit& unit) {
    const std::string& name = unit.GetUnitName();
    const std::int32_t w = Images().GetImageWidth(name);
    const std::int32_t h = Images().GetImageHeight(name);
    const double factor = unit.GetMonsterSize() / 10.0;
    const auto drawnWidth = static_cast<std::int32_t>(factor * w);
    const auto drawnHeight = static_cast<std::int32_t>(factor * h);
    if (drawnWidth > 0 && drawnHeight > 0)
        host::gdi::StretchBlt(sprite, (kSpriteWidth - drawnWidth) / 2, (kFieldHeight - drawnHeight) / 2,
                              drawnWidth, drawnHeight, Images().GetImageHDC(name), 0, 0, w, h,
                              host::gdi::SRCCOPY);
    rightFront_ = kSpriteWidth + (kSpriteWidth - drawnWidth) / 2;
}

std::vector<host::gdi::Point> clsEffect::cellsOf(const clsUnit& unit, bool left) const {
    std::vector<host::gdi::Point> cells;
    for (int n = 1; n <= 5; ++n) {
        const clsLineData* position = unit.GetLineDatas().item(positionKey(n));
        const std::int32_t x =
            left ? kCell * (position->XPosition() - 1) : kPictureWidth - kCell * position->XPosition();
        cells.push_back({x, kFieldTop + kCell * (position->YPosition() - 1)});
    }
    return cells;
}

void clsEffect::Clear() {
    leftSprite_.reset();
    rightSprite_.reset();
}

void clsEffect::drawSprite(const Sprite& sprite, std::int32_t x) {
    DeviceContext& dc = picture().hDC();
    host::gdi::BitBlt(dc, x, kFieldTop, kSpriteWidth, kFieldHeight, *sprite.mask, 0, 0, host::gdi::SRCAND);
    host::gdi::BitBlt(dc, x, kFieldTop, kSpriteWidth, kFieldHeight, *sprite.picture, 0, 0,
                      host::gdi::SRCPAINT);
}

void clsEffect::DrawField(const std::string& side, std::int32_t x) {
    if (!leftSprite_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the battle has no sprites");
    host::gdi::BitBlt(picture().hDC(), 0, kFieldTop, kPictureWidth, kFieldHeight, background(), 0, kFieldTop,
                      host::gdi::SRCCOPY);
    if (side == "右") {
        drawSprite(*leftSprite_, 0);
        drawSprite(*rightSprite_, x);
    } else {
        drawSprite(*rightSprite_, kSpriteWidth);
        drawSprite(*leftSprite_, x);
    }
}

void clsEffect::ImageInit() {
    DrawField("左", 0);
    picture().Refresh();
}

void clsEffect::drawLabel(std::int32_t top, const std::string& text) {
    DeviceContext& dc = picture().hDC();
    host::gdi::Rect box{370, top, 430, top + 20};
    auto previousFont = dc.selectFont(statusFont_);
    const auto previousColour = dc.setTextColor(host::gdi::kWhite);
    const auto previousMode = dc.setBkMode(host::gdi::BkMode::Transparent);
    host::gdi::DrawText(dc, text, box, GetDrawTextFlags(2, true, 2));
    dc.setBkMode(previousMode);
    dc.setTextColor(previousColour);
    dc.selectFont(std::move(previousFont));
}

void clsEffect::DrawStatus() {
    drawLabel(7, "体力");
    drawLabel(37, "気力");
}

void clsEffect::DrawStatusValue(std::int32_t x, std::int32_t width, std::int32_t y, std::int32_t height,
                                const std::string& text) {
    DeviceContext& dc = picture().hDC();
    host::gdi::BitBlt(dc, x, y, width, height, background(), x, y, host::gdi::SRCCOPY);
    host::gdi::Rect box{x, y, x + width, y + height};
    auto previousFont = dc.selectFont(statusFont_);
    const auto previousColour = dc.setTextColor(host::gdi::kWhite);
    const auto previousMode = dc.setBkMode(host::gdi::BkMode::Transparent);
    host::gdi::DrawText(dc, text, box, GetDrawTextFlags(3, true, 2));
    dc.setBkMode(previousMode);
    dc.setTextColor(previousColour);
    dc.selectFont(std::move(previousFont));
}

void clsEffect::DrawLeftPhysical(std::int16_t value) {
    DrawStatusValue(kLeftBox, kBoxWidth, kPhysicalRow, kNumberHeight, host::runtime::CStr(value));
}
void clsEffect::DrawRightPhysical(std::int16_t value) {
    DrawStatusValue(kRightBox, kBoxWidth, kPhysicalRow, kNumberHeight, host::runtime::CStr(value));
}
void clsEffect::DrawLeftEnergy(std::int16_t value) {
    DrawStatusValue(kLeftBox, kBoxWidth, kEnergyRow, kNumberHeight, host::runtime::CStr(value));
}
void clsEffect::DrawRightEnergy(std::int16_t value) {
    DrawStatusValue(kRightBox, kBoxWidth, kEnergyRow, kNumberHeight, host::runtime::CStr(value));
}
void clsEffect::DrawLeftPhysicalUnknown() {
    DrawStatusValue(kLeftBox, kBoxWidth, kPhysicalRow - kUnknownRise, kUnknownHeight, kUnknown);
}
void clsEffect::DrawRightPhysicalUnknown() {
    DrawStatusValue(kRightBox, kBoxWidth, kPhysicalRow - kUnknownRise, kUnknownHeight, kUnknown);
}
void clsEffect::DrawLeftEnergyUnknown() {
    DrawStatusValue(kLeftBox, kBoxWidth, kEnergyRow - kUnknownRise, kUnknownHeight, kUnknown);
}
void clsEffect::DrawRightEnergyUnknown() {
    DrawStatusValue(kRightBox, kBoxWidth, kEnergyRow - kUnknownRise, kUnknownHeight, kUnknown);
}

void clsEffect::drawMasked(const std::string& pictureName, std::int32_t x, std::int32_t y, std::int32_t w,
                           std::int32_t h, std::int32_t sx, std::int32_t sy) {
    DeviceContext& dc = picture().hDC();
    host::gdi::BitBlt(dc, x, y, w, h, Images().GetImageHDC(pictureName + "mask"), sx, sy, host::gdi::SRCAND);
    host::gdi::BitBlt(dc, x, y, w, h, Images().GetImageHDC(pictureName), sx, sy, host::gdi::SRCPAINT);
}

void clsEffect::show(double ms) {
    picture().Refresh();
    Services().WaitTime(ms);
}
