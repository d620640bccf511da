#include "school/camps/cls_mng_country.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/mdl_zrd_func.h"

using host::runtime::CInt;
using host::runtime::CLng;
using host::runtime::Collection;
using host::runtime::CStr;

namespace {

clsCountry countryOf(std::string_view row) {
    auto f = host::runtime::SplitFields(row, ",", 7, "camp row \"" + std::string(row) + "\"");
    clsCountry country;
    country.Name(host::text::toWide(f[0]));
    country.Rank(CInt(f[1]));
    country.Money(CLng(f[2]));
    country.Base(CInt(f[3]));
    country.BigEffect(CLng(f[4]));
    country.SmallEffect(CLng(f[5]));
    country.Tips(host::text::toWide(f[6]));
    return country;
}

} // namespace

clsGetGridData clsMngCountry::GetCampEffect() const {
    const clsCountry& country = Countries.item(CampName);
    clsGetGridData row;
    row.SetCols(2);
    row.Data(0, CStr(country.Base()));
    row.Data(1, CStr(country.BigEffect()));
    row.Data(2, CStr(country.SmallEffect()));
    return row;
}

const std::string& clsMngCountry::GetCountryTips(const std::string& destination) const {
    return Countries.item(destination).Tips();
}

Collection<clsGetGridData> clsMngCountry::GetCountry(std::int16_t Rank, std::int16_t Discount) const {
    Collection<clsGetGridData> rows;
    for (const clsCountry& country : Countries) {
        if (country.Rank() > Rank) continue;
        clsGetGridData row;
        row.SetCols(2);
        row.Data(0, "0");
        row.Data(1, country.Name());
        row.Data(2, CStr(mdlZRDFunc::SubPercentLong(country.Money(), Discount)));
        rows.add(std::move(row));
    }
    return rows;
}

void clsMngCountry::SetCountry(std::string_view strData) {
    for (const std::string& line : host::runtime::Split(strData, "\r\n")) {
        if (line.empty()) continue;
        clsCountry country = countryOf(line);
        std::string key = country.Name();
        Countries.addNamed(std::move(country), std::move(key), "training camp");
    }
}
