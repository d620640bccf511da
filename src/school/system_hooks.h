#pragma once

#include <string>

// What clsSystem's calendar and facilities ask of the school code around them:
// the monthly quest reset, the yearly rank evaluation and the building
// catalogue. The owner of clsSystem supplies them; tests fake them.
class SystemHooks {
  public:
    virtual ~SystemHooks() = default;

    // Run by DateCount on day 1 of every month.
    virtual void ResetMonthlyQuests() = 0;
    // Run by DateCount on April 1; it may raise or lower the school rank,
    // which DateCount reads afresh afterwards.
    virtual void EvaluateSchoolRank() = 0;
    // The ConstructName of the building master row of that name; a name that
    // is no building raises the missing-key error.
    virtual std::string GetConstructName(const std::string& building) = 0;
};
