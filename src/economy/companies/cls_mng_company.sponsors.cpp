#include "economy/companies/cls_mng_company.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>
#include <vector>

using host::runtime::CStr;
using host::runtime::saturate32;

namespace {

clsGetGridData rowOf(const std::vector<std::string>& cells) {
    clsGetGridData row;
    row.SetCols(static_cast<std::int16_t>(cells.size() - 1));
    for (std::size_t i = 0; i < cells.size(); ++i)
        row.Data(static_cast<std::int16_t>(i), cells[i]);
    return row;
}

} // namespace

std::int16_t clsMngCompany::largestDiscount(std::int32_t merit) const {
    std::int16_t best = 0;
    for (const clsCompany& c : Companies_)
        if (c.PassagePeriod() > 0 && c.SponsorMerit() == merit) best = std::max(best, c.SponsorData());
    return best;
}

std::int16_t clsMngCompany::GetConstDiscount() const {
    return largestDiscount(sponsor_merit::kConstructionDiscount);
}

std::int16_t clsMngCompany::GetCampDiscount() const {
    return largestDiscount(sponsor_merit::kCampDiscount);
}

std::int32_t clsMngCompany::GetItemShopFLG() const {
    std::int32_t word = Method().BitOn(0, sponsor_merit::kPermanentStockBit);
    for (const clsCompany& c : Companies_)
        if (c.SponsorMerit() == sponsor_merit::kShopItems && c.PassagePeriod() > 0)
            word = Method().BitOn(word, c.SponsorData());
    return word;
}

std::int16_t clsMngCompany::GetSponsorCount() const {
    std::int16_t count = 0;
    for (const clsCompany& c : Companies_)
        if (c.PassagePeriod() > 0) ++count;
    return count;
}

std::int32_t clsMngCompany::GetSponsorMoney(std::string& message) const {
    std::int64_t sum = 0;
    std::int16_t count = 0;
    for (const clsCompany& c : Companies_) {
        if (c.PassagePeriod() <= 0) continue;
        sum += c.SponsorMoney();
        ++count;
    }
    const std::int32_t total = saturate32(sum);
    if (count > 0) message = "スポンサー" + CStr(count) + "社から総額" + CStr(total) + "エニス貰いました";
    return total;
}

std::string clsMngCompany::GetActiveSponsorList() const {
    std::string list;
    for (const clsCompany& c : Companies_) {
        if (c.PassagePeriod() <= 0) continue;
        mdlZRDFunc::AddLineBreak(list);
        list += c.CompanyName() + "(" + CStr(c.PassagePeriod()) + "/" + CStr(c.SponsorPeriod()) + ")";
    }
    return list;
}

std::string clsMngCompany::GetSponsorMenuTips(std::int16_t MaxCount) const {
    std::string tips = GetActiveSponsorList();
    mdlZRDFunc::AddLineBreak(tips);
    return tips + "スポンサー契約数:" + CStr(GetSponsorCount()) +
           "件\r\nスポンサー最大契約数:" + CStr(MaxCount) + "件";
}

std::string clsMngCompany::GetSponsorTips(const std::string& name) const {
    return company(name).SponsorTips();
}

void clsMngCompany::SponsorContract(const std::string& name) {
    company(name).SponsorDecision();
}

void clsMngCompany::NextYear() {
    for (clsCompany& c : Companies_)
        c.SponsorPassage();
}

host::runtime::Collection<clsGetGridData>
clsMngCompany::GetEnableSponsor(const clsSponsorCondition& snapshot) const {
    std::vector<const clsCompany*> candidates;
    for (const clsCompany& c : Companies_)
        if (c.OpenSponsor() && c.SponsorCondition(snapshot)) candidates.push_back(&c);

    host::runtime::Collection<clsGetGridData> offers;
    const long m = std::min<long>(static_cast<long>(candidates.size()), share_rule::kMostOffers);
    for (long i = 0; i < m; ++i) {
        const std::int16_t c = mdlZRDFunc::RandomInt(1, static_cast<std::int16_t>(candidates.size()));
        const clsCompany& drawn = *candidates[static_cast<std::size_t>(c - 1)];
        offers.add(rowOf({"0", drawn.CompanyName(), CStr(drawn.SponsorPeriod()), CStr(drawn.SponsorMoney()),
                          CStr(drawn.HoldStock()), CStr(drawn.StockPrice())}));
        candidates.erase(candidates.begin() + (c - 1));
    }
    return offers;
}

host::runtime::Collection<clsGetGridData> clsMngCompany::GetSponsorData() const {
    host::runtime::Collection<clsGetGridData> rows;
    for (const clsCompany& c : Companies_)
        if (c.PassagePeriod() > 0)
            rows.add(rowOf({c.CompanyName(), CStr(c.PassagePeriod()), CStr(c.SponsorMoney()),
                            CStr(c.HoldStock()), CStr(c.StockPrice())}));
    return rows;
}
