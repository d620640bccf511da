#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "platform/records/cls_get_grid_data.h"
#include "platform/records/cls_passage_data.h"
#include "students/scouts/cls_scout_data.h"

#include <cstdint>
#include <string>
#include <string_view>

// The scout agency: the master list of scouts, the four scouts offered each
// month, and the one scout under contract with the years left on it.
class clsMngScout {
  public:
    // Raised when a contract ends.
    host::runtime::Event<std::string> Report;

    clsMngScout() = default;
    clsMngScout(const clsMngScout&) = delete;
    clsMngScout& operator=(const clsMngScout&) = delete;

    // Ends any contract; the offers are left to the next monthly draw.
    void SetDataInit();
    // "ContractScout/ContractPeriod/offers", the offers one name per CR LF
    // line (each as "name:0:0:0"). A text that does not load fails with the
    // runtime's error and changes nothing.
    void SetSaveData(std::string_view strData);
    std::string GetSaveData() const;
    std::string GetScoutTips(const std::string& name, std::int32_t lngMoney) const;
    std::string GetContractScoutTips() const;
    // The fee for the whole contract: Salary × Period.
    std::int32_t GetContractMoney(const std::string& name) const;
    void Clear() { NewComers_.clear(); }
    bool CheckNewScout() const { return !NewComers_.empty(); }
    bool CheckScout() const { return ContractPeriod_ > 0; }
    std::string GetOccupation(std::int32_t number) const;
    // The contracted scout's grid row; needs a contract.
    host::runtime::Collection<clsGetGridData> GetContract() const;
    // One grid row per offered scout, in offer order.
    host::runtime::Collection<clsGetGridData> GetScoutData() const;
    // The monthly offer; with blCheckContract the contract first counts down
    // one year. Four scouts that are neither offered twice nor under contract,
    // or as many as there are when fewer are free.
    void SetNewComer(bool blCheckContract);
    // Contracts an offered scout for its period, replacing any running
    // contract; the scout leaves the offers.
    void ScoutDecide(const std::string& name);
    // The contracted scout's row, or the default row when there is none.
    clsScoutData GetScout() const;
    // One scout per line: "Name,Occupation,Age,Growth,Period,Ability,Number";
    // empty lines are skipped. A bad row or a repeated name fails with the
    // runtime's error; rows loaded before it stay.
    void SetScout(std::string_view strData);

    // --- The catalogue browser (cls_mng_scout.browser.cpp): the whole scout catalogue as loaded, one
    // column record per column and one row per master row; reads only.
    host::runtime::Collection<clsGetGridData> GetGameDataHeader() const;
    host::runtime::Collection<clsGetGridData> GetGameData() const;

  private:
    void ScoutContractPassage();
    bool IsFreeScout(const std::string& name) const;
    clsGetGridData gridRow(const clsScoutData& scout, std::int16_t period) const;
    static std::string GetAbilityLabel(std::int16_t ability);
    static std::string GetGrowthLabel(std::int32_t growth);
    static std::string GetAgeLabel(std::int32_t age);
    static std::string GetNumberLabel(std::int16_t number);

    std::string ContractScout_;
    std::int16_t ContractPeriod_ = 0;
    host::runtime::Collection<clsPassageData> NewComers_;
    host::runtime::Collection<clsScoutData> Scouts_;
};
