#pragma once

#include "economy/companies/cls_mng_company.h"
#include "economy/companies/cls_trade.h"
#include "economy/companies/stock_price_report_setting.h"

// One share-price day: the cycle moves one level on, and its percent and word
// move every company, with price lines for the held shares when the player
// wants them.
void runSharePriceDay(clsTrade& cycle, clsMngCompany& companies, const StockPriceReportSetting& setting);
