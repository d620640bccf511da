#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"
#include "school/jobs/cls_arbeit.h"

#include <cstdint>
#include <string>
#include <string_view>

// The part-time jobs, keyed by name in master order, and the one job the
// player has chosen for the next day ("" when none). The chosen job's name
// is the manager's whole save text.
class clsMngArbeit {
  public:
    clsMngArbeit() = default;
    clsMngArbeit(const clsMngArbeit&) = delete;
    clsMngArbeit& operator=(const clsMngArbeit&) = delete;

    const std::string& GetSaveData() const { return ContractArbeit; }
    // "" stays ""; any other text is widened and must name a job of the
    // catalogue, else the missing-key error and nothing changes.
    void SetSaveData(std::string_view strData);
    void SetDataInit() { ContractArbeit.clear(); }
    // The item that may turn up during the chosen job.
    const std::string& GetItem() const;
    std::string GetArbeitTips() const;
    // Cells Physical, SmallEffect, EffectPoint, the month, Money and
    // KingdomPoint of the chosen job.
    clsGetGridData GetArbeitEffect(std::int16_t month) const;
    bool CheckArbeit() const { return !ContractArbeit.empty(); }
    void SetContractArbeit(const std::string& ArbeitName) { ContractArbeit = ArbeitName; }
    const std::string& GetContractArbeit() const { return ContractArbeit; }
    void ArbeitClear() { ContractArbeit.clear(); }
    const std::string& GetTips(const std::string& ArbeitName) const;
    // Rows ("0", name, Physical, Money, KingdomPoint) of the jobs offered in
    // pMonth, in catalogue order.
    host::runtime::Collection<clsGetGridData> GetArbeitData(std::int16_t pMonth) const;
    const clsArbeit& GetArbeit(const std::string& ArbeitName) const;
    // Eleven fields per CR LF line in the order of clsArbeit's members; the
    // texts are widened and empty lines skipped. A short row, a bad number or
    // a repeated name raises the runtime's error; the rows before it stay.
    void SetArbeit(std::string_view strData);

    // --- The catalogue browser (cls_mng_arbeit.browser.cpp): the whole job catalogue as loaded, one
    // column record per column and one row per master row; reads only.
    host::runtime::Collection<clsGetGridData> GetGameDataHeader() const;
    host::runtime::Collection<clsGetGridData> GetGameData() const;

  private:
    const clsArbeit& chosen() const { return Arbeits.item(ContractArbeit); }

    host::runtime::Collection<clsArbeit> Arbeits;
    std::string ContractArbeit;
};
