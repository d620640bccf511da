#include "school/jobs/cls_mng_arbeit.h"
#include "platform/browser/browser_table.h"

namespace {

constexpr browser::Column kJobColumns[] = {
    {"名前", 1000}, {"体力", 400},   {"開始月", 600},    {"終了月", 600},
    {"金額", 400},  {"王国pt", 600}, {"アイテム", 1000},
};
constexpr std::int16_t kJobColumnCount = std::size(kJobColumns) + browser::kAbilityCaptions.size();

} // namespace

host::runtime::Collection<clsGetGridData> clsMngArbeit::GetGameDataHeader() const {
    return browser::columnSet(kJobColumns, true);
}

host::runtime::Collection<clsGetGridData> clsMngArbeit::GetGameData() const {
    browser::Rows rows;
    for (const clsArbeit& job : Arbeits) {
        clsGetGridData row = browser::newRow(kJobColumnCount);
        row.Data(0, job.Name());
        row.Data(1, std::to_string(job.Physical()));
        row.Data(2, std::to_string(job.StartMonth()));
        row.Data(3, std::to_string(job.EndMonth()));
        row.Data(4, std::to_string(job.Money()));
        row.Data(5, std::to_string(job.KingdomPoint()));
        row.Data(6, job.Item());
        // A job trains its abilities evenly: each one it trains is a main effect.
        browser::setAbilityMarks(row, std::size(kJobColumns), job.SmallEffect(), 0);
        rows.add(std::move(row));
    }
    return rows;
}
