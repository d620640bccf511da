#pragma once

#include "host/gdi/device_context.h"

#include <cstdint>
#include <string>

// A monster's battle picture and drops: the picture and its mask (not
// owned), their size in pixels, the ordinary and the rare drop item.
class clsMonsterBattleData {
  public:
    std::int16_t Width() const { return Width_; }
    void Width(std::int16_t value) { Width_ = value; }
    std::int16_t Height() const { return Height_; }
    void Height(std::int16_t value) { Height_ = value; }
    host::gdi::DeviceContext* DC() const { return DC_; }
    void DC(host::gdi::DeviceContext* value) { DC_ = value; }
    host::gdi::DeviceContext* MaskDC() const { return MaskDC_; }
    void MaskDC(host::gdi::DeviceContext* value) { MaskDC_ = value; }
    const std::string& Item() const { return Item_; }
    void Item(std::string value) { Item_ = std::move(value); }
    const std::string& RheaItem() const { return RheaItem_; }
    void RheaItem(std::string value) { RheaItem_ = std::move(value); }

  private:
    std::int16_t Width_ = 0;
    std::int16_t Height_ = 0;
    host::gdi::DeviceContext* DC_ = nullptr;
    host::gdi::DeviceContext* MaskDC_ = nullptr;
    std::string Item_;
    std::string RheaItem_;
};
