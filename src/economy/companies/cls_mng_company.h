#pragma once

#include "economy/companies/cls_company.h"
#include "economy/companies/cls_get_company.h"
#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "platform/records/cls_get_grid_data.h"
#include "school/system/cls_sponsor_condition.h"

#include <cstdint>
#include <string>
#include <string_view>

// Every listed company, in the order of the company section: the share-price
// days, the share market (rows, prices, tips, buying and selling), dividends
// and shareholder items, sponsor offers and contracts and what the running
// contracts give (discounts, the item shop's availability word). Money and
// items move only through the events. Company names are full width.
class clsMngCompany {
  public:
    clsMngCompany() = default;
    clsMngCompany(const clsMngCompany&) = delete;
    clsMngCompany& operator=(const clsMngCompany&) = delete;

    // A line for the report window.
    host::runtime::Event<std::string> Report;
    // MMethod 1: the school receives Money (shares sold); 2: it pays (shares bought).
    host::runtime::Event<std::int32_t, std::int32_t> MoveMoney;
    // Shareholder items to add to the inventory.
    host::runtime::Event<std::string, std::int16_t> StockItem;

    // The largest discount among the running contracts of that merit; 0 when none.
    std::int16_t GetConstDiscount() const;
    std::int16_t GetCampDiscount() const;
    // The money of every running contract; with one at least, message becomes
    // its report text (otherwise it is left as it was).
    std::int32_t GetSponsorMoney(std::string& message) const;
    std::string GetSponsorMenuTips(std::int16_t MaxCount) const;
    std::string GetSponsorTips(const std::string& company) const;
    void SponsorContract(const std::string& company);
    // Up to four offers drawn among the listed companies without a contract
    // whose condition the school meets: rows "0", name, years, money, shares
    // held, price, in the order drawn.
    host::runtime::Collection<clsGetGridData> GetEnableSponsor(const clsSponsorCondition& snapshot) const;
    std::int16_t GetSponsorCount() const;
    bool CheckCompanyData() const { return GetSponsorCount() > 0; }
    // One contract year passes for every company.
    void NextYear();
    // Rows of the running contracts: name, years left, money, shares held, price.
    host::runtime::Collection<clsGetGridData> GetSponsorData() const;
    // Bit 7 (the permanent stock) and the shop code of every running merit-1 contract.
    std::int32_t GetItemShopFLG() const;
    // The year's dividends (reported, returned) and shareholder items (reported, StockItem).
    std::int32_t GetDivvyMoney();
    // The value of all held shares, shown at most as 99999999.
    std::int32_t GetTotalStockPrice() const;
    // DataType 1: the price, 2: the shares held; "" for other types.
    std::string CompanyData(const std::string& company, std::int32_t DataType) const;
    // DataType 3 sells, 4 buys the count of shares (as text) and books the
    // money of the shares moved at the current price; other types do nothing.
    // A count that is not a number raises the runtime's error.
    void CompanyData(const std::string& company, std::int32_t DataType, const std::string& count);
    std::string GetCompanyTooltip(const std::string& company) const;
    // The listed companies' rows, keyed by name.
    host::runtime::Collection<clsGetCompany> GetCompanyStockData() const;
    // The largest rise (fall) of the last move and its company; 0 and "" when none.
    std::int32_t GetMaxWentUp(std::string& company) const;
    std::int32_t GetMaxFall(std::string& company) const;
    void SetDataInit();
    // Parts "name:..." joined by ";", read whole or not at all: an unknown
    // company, a company named twice or a bad part raises the runtime's error
    // and changes nothing. Companies without a part keep their state.
    void SetSaveData(std::string_view text);
    std::string GetSaveData() const;
    // One share-price day for every company, with a price line for each
    // company whose shares are held when StockPriceReport is True.
    void SetFluctuation(std::int16_t intFluctuation, const std::string& strBoom, bool StockPriceReport);
    // Master-data sections 17 (sponsors) and 16 (companies), one row a line,
    // empty lines skipped, read whole or not at all: a bad row, a company
    // named twice or a sponsor row of an unknown company raises the runtime's
    // error. The companies come first.
    void SetSponsorData(std::string_view text);
    void SetCompanyData(std::string_view text);

    const host::runtime::Collection<clsCompany>& Companies() const { return Companies_; }

  private:
    std::string GetActiveSponsorList() const;
    // A company's report as a line for the report window.
    void companyReport(std::int32_t ReportType, const std::string& MSG);
    clsCompany& company(const std::string& name);
    const clsCompany& company(const std::string& name) const;
    std::int16_t largestDiscount(std::int32_t merit) const;

    host::runtime::Collection<clsCompany> Companies_{host::runtime::KeyFold::IgnoreCaseAndWidth};
};
