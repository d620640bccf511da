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

    // --- Quest bookkeeping, until the quest catalogue lives in clsSystem
    // Run by DateCount on day 1 of every month.
    virtual void ResetMonthlyQuests() = 0;
    // Every quest's completion count back to 0 (a new game).
    virtual void ClearQuestCounts() = 0;
    // The quest part of the system save record, and its reader.
    virtual std::string GetQuestSaveData() = 0;
    virtual void SetQuestSaveData(const std::string& strData) = 0;
};
