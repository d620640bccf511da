#include "school/jobs/cls_mng_arbeit.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

using host::runtime::CInt;
using host::runtime::CLng;
using host::runtime::Collection;
using host::runtime::CStr;
using host::text::toWide;

namespace {

clsArbeit arbeitOf(std::string_view row) {
    auto f = host::runtime::SplitFields(row, ",", 11, "job row \"" + std::string(row) + "\"");
    clsArbeit job;
    job.Name(toWide(f[0]));
    job.Physical(CInt(f[1]));
    job.StartMonth(CInt(f[2]));
    job.EndMonth(CInt(f[3]));
    job.Money(CInt(f[4]));
    job.KingdomPoint(CInt(f[5]));
    job.SmallEffect(CLng(f[6]));
    job.EffectPoint(CInt(f[7]));
    job.Item(toWide(f[8]));
    job.RheaItem(toWide(f[9]));
    job.Tips(toWide(f[10]));
    return job;
}

} // namespace

void clsMngArbeit::SetSaveData(std::string_view strData) {
    if (strData.empty()) {
        ContractArbeit.clear();
        return;
    }
    std::string name = toWide(strData);
    // A saved job the catalogue no longer holds would fail every later day.
    if (!Arbeits.contains(name))
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                          "saved job \"" + name + "\" is not in the catalogue");
    ContractArbeit = std::move(name);
}

const std::string& clsMngArbeit::GetItem() const {
    return chosen().Item();
}

std::string clsMngArbeit::GetArbeitTips() const {
    if (!CheckArbeit()) return "まだアルバイトは決まっていません";
    return ContractArbeit + "のアルバイトをすることが決まっています";
}

clsGetGridData clsMngArbeit::GetArbeitEffect(std::int16_t month) const {
    const clsArbeit& job = chosen();
    clsGetGridData row;
    row.SetCols(5);
    row.Data(0, CStr(job.Physical()));
    row.Data(1, CStr(job.SmallEffect()));
    row.Data(2, CStr(job.EffectPoint()));
    row.Data(3, CStr(month));
    row.Data(4, CStr(job.Money()));
    row.Data(5, CStr(job.KingdomPoint()));
    return row;
}

const std::string& clsMngArbeit::GetTips(const std::string& ArbeitName) const {
    return GetArbeit(ArbeitName).Tips();
}

Collection<clsGetGridData> clsMngArbeit::GetArbeitData(std::int16_t pMonth) const {
    Collection<clsGetGridData> rows;
    for (const clsArbeit& job : Arbeits) {
        if (pMonth < job.StartMonth() || pMonth > job.EndMonth()) continue;
        clsGetGridData row;
        row.SetCols(4);
        row.Data(0, "0");
        row.Data(1, job.Name());
        row.Data(2, CStr(job.Physical()));
        row.Data(3, CStr(job.Money()));
        row.Data(4, CStr(job.KingdomPoint()));
        rows.add(std::move(row));
    }
    return rows;
}

const clsArbeit& clsMngArbeit::GetArbeit(const std::string& ArbeitName) const {
    return Arbeits.item(ArbeitName);
}

void clsMngArbeit::SetArbeit(std::string_view strData) {
    for (const std::string& line : host::runtime::Split(strData, "\r\n")) {
        if (line.empty()) continue;
        clsArbeit job = arbeitOf(line);
        std::string key = job.Name();
        Arbeits.addNamed(std::move(job), std::move(key), "part-time job");
    }
}
