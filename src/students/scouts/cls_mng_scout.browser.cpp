#include "students/scouts/cls_mng_scout.h"
#include "platform/browser/browser_table.h"

namespace {

constexpr browser::Column kScoutColumns[] = {
    {"名前", 1200}, {"出身", 600}, {"年齢", 600}, {"成長", 600},
    {"能力", 600},  {"期間", 600}, {"人数", 600}, {"給料", 600},
};

} // namespace

host::runtime::Collection<clsGetGridData> clsMngScout::GetGameDataHeader() const {
    return browser::columnSet(kScoutColumns, false);
}

host::runtime::Collection<clsGetGridData> clsMngScout::GetGameData() const {
    browser::Rows rows;
    for (const clsScoutData& scout : Scouts_) {
        clsGetGridData row = browser::newRow(std::size(kScoutColumns));
        row.Data(0, scout.Name());
        row.Data(1, GetOccupation(scout.Occupation()));
        row.Data(2, GetAgeLabel(scout.Age()));
        row.Data(3, GetGrowthLabel(scout.Growth()));
        row.Data(4, std::to_string(scout.Ability()));
        row.Data(5, std::to_string(scout.Period()));
        row.Data(6, std::to_string(scout.Number()));
        row.Data(7, std::to_string(scout.Salary()));
        rows.add(std::move(row));
    }
    return rows;
}
