#include "economy/companies/cls_mng_company.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/mdl_zrd_func.h"

#include <vector>

using host::runtime::CStr;
using host::runtime::saturate16;
using host::runtime::saturate32;

namespace {

// The non-empty lines of a master-data section.
std::vector<std::string> rowsOf(std::string_view text) {
    std::vector<std::string> rows;
    for (auto& line : host::runtime::Split(text, "\r\n"))
        if (!line.empty()) rows.push_back(std::move(line));
    return rows;
}

} // namespace

clsCompany& clsMngCompany::company(const std::string& name) {
    return Companies_.item(name);
}

const clsCompany& clsMngCompany::company(const std::string& name) const {
    return Companies_.item(name);
}

void clsMngCompany::SetCompanyData(std::string_view text) {
    host::runtime::Collection<clsCompany> loaded{host::runtime::KeyFold::IgnoreCaseAndWidth};
    for (const std::string& row : rowsOf(text)) {
        clsCompany company;
        company.SetCompanyData(row);
        const std::string name = company.CompanyName();
        loaded.addNamed(std::move(company), name, "company row \"" + row + "\"");
    }
    Companies_ = std::move(loaded);
    for (clsCompany& company : Companies_)
        company.Report.subscribe(
            [this](std::int32_t& ReportType, std::string& MSG) { companyReport(ReportType, MSG); });
}

void clsMngCompany::SetSponsorData(std::string_view text) {
    struct Sponsor {
        clsCompany* company;
        std::string row;
    };
    std::vector<Sponsor> staged;
    for (const std::string& row : rowsOf(text)) {
        const std::string name = host::text::toWide(host::runtime::Split(row, ",", 2)[0]);
        clsCompany* found = Companies_.find(name);
        if (!found)
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                              "sponsor row \"" + row + "\" names no company");
        clsCompany trial;
        trial.SetSponsor(row);
        staged.push_back({found, row});
    }
    for (const Sponsor& sponsor : staged)
        sponsor.company->SetSponsor(sponsor.row);
}

void clsMngCompany::companyReport(std::int32_t ReportType, const std::string& MSG) {
    std::string line = ReportType == 1 ? MSG + "が倒産しました" : MSG;
    Report.raise(line);
}

void clsMngCompany::SetFluctuation(std::int16_t intFluctuation, const std::string& strBoom,
                                   bool StockPriceReport) {
    for (clsCompany& company : Companies_) {
        company.SetFluctuation(intFluctuation, strBoom);
        if (!StockPriceReport || company.HoldStock() <= 0) continue;
        std::string line = company.CompanyName() + "の株価が" + CStr(company.StockPrice()) + "(前回比" +
                           CStr(company.GetCompareStockPrice()) + ")になりました";
        Report.raise(line);
    }
}

std::string clsMngCompany::CompanyData(const std::string& name, std::int32_t DataType) const {
    const clsCompany& c = company(name);
    if (DataType == company_door::kStockPrice) return CStr(c.StockPrice());
    if (DataType == company_door::kHoldStock) return CStr(c.HoldStock());
    return "";
}

void clsMngCompany::CompanyData(const std::string& name, std::int32_t DataType, const std::string& count) {
    if (DataType != company_door::kSell && DataType != company_door::kBuy) return;
    clsCompany& c = company(name);
    std::int16_t n = host::runtime::CInt(count);
    std::int32_t method = 0;
    if (DataType == company_door::kSell) {
        c.SetSoldOff(n);
        method = 1;
    } else {
        c.SetStockAcquisition(n);
        method = 2;
    }
    std::int32_t money = saturate32(std::int64_t{n} * c.StockPrice());
    MoveMoney.raise(method, money);
}

std::int32_t clsMngCompany::GetDivvyMoney() {
    std::int64_t total = 0;
    for (clsCompany& c : Companies_) {
        if (c.HoldStock() <= 0) continue;
        std::string line;
        if (c.StockPrice() > c.GetLowPrice()) {
            const std::int32_t dividend = saturate32(c.Divvy() / 100.0 * c.StockPrice() * c.HoldStock());
            line = c.CompanyName() + "から配当" + CStr(dividend) + "エニスを受け取った";
            total += dividend;
        } else {
            line = c.CompanyName() + "は業績低迷で配当はありません";
        }
        Report.raise(line);
        if (c.StockTreatmentItem().empty()) continue;
        const std::int16_t units = static_cast<std::int16_t>(c.HoldStock() / c.StockTreatmentNeed());
        if (units <= 0) continue;
        std::int16_t items = saturate16(std::int64_t{c.StockTreatmentItemNumber()} * units);
        std::string benefit = c.CompanyName() + "から株主優待として" + c.StockTreatmentItem() + "を" +
                              CStr(items) + "個貰いました";
        Report.raise(benefit);
        std::string item = c.StockTreatmentItem();
        StockItem.raise(item, items);
    }
    return saturate32(total);
}

std::int32_t clsMngCompany::GetTotalStockPrice() const {
    std::int64_t sum = 0;
    for (const clsCompany& c : Companies_) {
        if (c.HoldStock() <= 0) continue;
        sum += std::int64_t{c.StockPrice()} * c.HoldStock();
        if (sum > share_rule::kTotalValueCap) sum = share_rule::kTotalValueCap;
    }
    return static_cast<std::int32_t>(sum);
}

std::string clsMngCompany::GetCompanyTooltip(const std::string& name) const {
    const clsCompany& c = company(name);
    std::string tip;
    if (c.HoldStock() > 0) tip = "平均取得株価=" + CStr(c.AverageStockPrice());
    if (!c.StockTreatmentItem().empty()) {
        mdlZRDFunc::AddLineBreak(tip);
        tip += "株主優待=" + c.StockTreatmentItem() + "(" + CStr(c.StockTreatmentItemNumber()) +
               "個)\r\n必要株数=" + CStr(c.StockTreatmentNeed());
    }
    mdlZRDFunc::AddLineBreak(tip);
    tip += "配当=" + CStr(c.Divvy()) + "%";
    mdlZRDFunc::AddLineBreak(tip);
    return tip + c.ToolTip();
}

host::runtime::Collection<clsGetCompany> clsMngCompany::GetCompanyStockData() const {
    host::runtime::Collection<clsGetCompany> rows{host::runtime::KeyFold::IgnoreCaseAndWidth};
    for (const clsCompany& c : Companies_) {
        if (c.Bankruptcy()) continue;
        clsGetCompany row;
        row.CompanyName(c.CompanyName());
        row.StockPrice(c.StockPrice());
        row.Stability(saturate16(std::int64_t{c.Stability()} - 1));
        row.Dependancy(saturate16(std::int64_t{c.Dependancy()} - 1));
        row.BeforeStockPrice(c.GetCompareStockPrice());
        row.HoldStock(c.HoldStock());
        rows.add(std::move(row), c.CompanyName());
    }
    return rows;
}

std::int32_t clsMngCompany::GetMaxWentUp(std::string& name) const {
    std::int32_t best = 0;
    name.clear();
    for (const clsCompany& c : Companies_) {
        if (c.GetCompareStockPrice() > best) {
            best = c.GetCompareStockPrice();
            name = c.CompanyName();
        }
    }
    return best;
}

std::int32_t clsMngCompany::GetMaxFall(std::string& name) const {
    std::int32_t worst = 0;
    name.clear();
    for (const clsCompany& c : Companies_) {
        if (c.GetCompareStockPrice() < worst) {
            worst = c.GetCompareStockPrice();
            name = c.CompanyName();
        }
    }
    return worst;
}

void clsMngCompany::SetDataInit() {
    for (clsCompany& c : Companies_)
        c.SetDataInit();
}
