#pragma once

#include "host/runtime/saturate.h"

#include <cstdint>

// One held unit of an item: its identity and its wear.
class clsItemStorage {
  public:
    void NewStorage(std::int32_t ID, std::int16_t damage) {
        ID_ = ID;
        Damage_ = damage;
    }
    // Wear beyond the 16-bit range is held at its end.
    void ItemDamage(std::int16_t wear) { Damage_ = host::runtime::saturate16(std::int64_t{Damage_} + wear); }
    std::int32_t ID() const { return ID_; }
    std::int16_t Damage() const { return Damage_; }

  private:
    std::int32_t ID_ = 0;
    std::int16_t Damage_ = 0;
};
