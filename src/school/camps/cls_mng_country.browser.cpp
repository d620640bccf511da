#include "school/camps/cls_mng_country.h"
#include "platform/browser/browser_table.h"
#include "platform/rules/mdl_zrd_func.h"

namespace {

constexpr browser::Column kCampColumns[] = {{"名前", 1400}, {"ランク", 600}, {"費用", 600}};
constexpr std::int16_t kCampColumnCount = std::size(kCampColumns) + browser::kAbilityCaptions.size();

} // namespace

host::runtime::Collection<clsGetGridData> clsMngCountry::GetGameDataHeader() const {
    return browser::columnSet(kCampColumns, true);
}

host::runtime::Collection<clsGetGridData> clsMngCountry::GetGameData() const {
    browser::Rows rows;
    for (const clsCountry& country : Countries) {
        clsGetGridData row = browser::newRow(kCampColumnCount);
        row.Data(0, country.Name());
        row.Data(1, mdlZRDFunc::GetRankName(country.Rank()));
        row.Data(2, std::to_string(country.Money()));
        browser::setAbilityMarks(row, std::size(kCampColumns), country.BigEffect(), country.SmallEffect());
        rows.add(std::move(row));
    }
    return rows;
}
