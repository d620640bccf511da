#include "economy/companies/share_price_day.h"

void runSharePriceDay(clsTrade& cycle, clsMngCompany& companies, const StockPriceReportSetting& setting) {
    cycle.BoomNext();
    const std::int16_t percent = cycle.GetStockPrice();
    const std::string word = cycle.GetBoomName();
    companies.SetFluctuation(percent, word, setting.GetStockPriceReport());
}
