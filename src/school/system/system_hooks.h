#pragma once

#include "host/runtime/collection.h"

#include <cstdint>
#include <string>

// What clsSystem asks of the code around it. The game-state facade supplies
// it; tests fake it.
class SystemHooks {
  public:
    virtual ~SystemHooks() = default;

    // --- The facade's answers
    // The rank-up points of every graduate, for the yearly rank evaluation.
    virtual std::int16_t GetRankUpCondition() = 0;
    // False for ""; otherwise True while at least one unit of the item is
    // held. A name the item store does not know raises the missing-key error.
    virtual bool CheckItem(const std::string& item) = 0;
    // The lessons held in that building, in lesson-catalogue order.
    virtual host::runtime::Collection<std::string> GetConstructClass(const std::string& building) = 0;
};
