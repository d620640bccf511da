#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"
#include "school/camps/cls_country.h"

#include <cstdint>
#include <string>
#include <string_view>

// The training-camp destinations, keyed by name in master order, and the
// destination of the camp that is running ("" when none). A camp starts and
// ends inside one command, so nothing here is saved.
class clsMngCountry {
  public:
    clsMngCountry() = default;
    clsMngCountry(const clsMngCountry&) = delete;
    clsMngCountry& operator=(const clsMngCountry&) = delete;

    const std::string& GetCampName() const { return CampName; }
    bool CheckCamp() const { return !CampName.empty(); }
    // Cells Base, BigEffect, SmallEffect of the running camp's destination;
    // with no camp running, the missing-key error.
    clsGetGridData GetCampEffect() const;
    void SetContract(const std::string& destination) { CampName = destination; }
    void EndCamp() { CampName.clear(); }
    const std::string& GetCountryTips(const std::string& destination) const;
    // Rows ("0", name, fee after the discount) of the destinations of a rank
    // up to Rank, in catalogue order.
    host::runtime::Collection<clsGetGridData> GetCountry(std::int16_t Rank, std::int16_t Discount) const;
    // "Name,Rank,Money,Base,BigEffect,SmallEffect,Tips" per CR LF line; the
    // texts are widened and empty lines skipped. A short row, a bad number or
    // a repeated name raises the runtime's error; the rows before it stay.
    void SetCountry(std::string_view strData);

    // --- The catalogue browser (cls_mng_country.browser.cpp): the whole camp catalogue as loaded, one
    // column record per column and one row per master row; reads only.
    host::runtime::Collection<clsGetGridData> GetGameDataHeader() const;
    host::runtime::Collection<clsGetGridData> GetGameData() const;

  private:
    host::runtime::Collection<clsCountry> Countries;
    std::string CampName;
};
