#pragma once

#include "host/runtime/event.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the kingdom has granted the school, packed in one 32-bit word (rank,
// eight-period days, the three building scales, school years, sponsor
// slots), and the one building work under way.
class clsSchoolPermit {
  public:
    clsSchoolPermit();
    clsSchoolPermit(const clsSchoolPermit&) = delete;
    clsSchoolPermit& operator=(const clsSchoolPermit&) = delete;

    host::runtime::Event<std::string> Report;
    // The finished work's ConstType and ConstFLG.
    host::runtime::Event<std::int32_t, std::int16_t> CompleteConst;
    host::runtime::Event<> StatusRefresh;

    void SetDataInit();
    // Six ":" fields; nothing changes unless every field converts.
    void SetSaveData(std::string_view strData);
    std::string GetSaveData() const;

    void NextMonth();
    void NextDay();

    std::int16_t GetWork() const { return Work; }
    std::string GetConstruct(bool blPlane) const;
    void SetConstruct(std::int32_t pConstType, std::int16_t pConstFLG, std::int16_t pWork,
                      std::string pConstName);

    void ShoolScaleUp();
    void SchoolhouseScaleUp();
    void DormitoryScaleUp();
    void SchoolYearincrease();
    void SponserIncrease();
    void RankUp();
    void RankDown();
    // tDay is today's day of the month: on day 1 the eight periods start at
    // once, otherwise at the next month step.
    void SetFullTimeClass(std::int16_t tDay);

    std::int16_t GetSchoolScale() const;
    std::int16_t GetSchoolhouseScale() const;
    std::int16_t GetDormitoryScale() const;
    std::int16_t GetRank() const;
    std::int16_t GetSchoolYear() const;
    std::int16_t GetSponserCount() const;
    bool GetFullTimeClass() const;
    bool GetFullTimeClassAsWait() const;
    std::int16_t GetFullTimeNumber() const;
    // "G" .. "S" for 0..7, "" otherwise.
    static std::string GetRankString(std::int16_t intRank);

  private:
    std::int16_t field(std::int16_t low, std::int16_t high) const;
    void setField(std::int16_t low, std::int16_t high, std::int16_t value);
    void raiseRankReport(const char* movement);

    std::int32_t PermitWord;
    std::int16_t Work = 0;
    std::int32_t ConstType = 0;
    std::int16_t ConstFLG = 0;
    std::string ConstName;
    bool FullTimeWait = false;
};
