#pragma once

// Whether the player wants a report line for each held share's new price on
// a share-price day; the facade answers from the settings, tests fake it.
class StockPriceReportSetting {
  public:
    virtual ~StockPriceReportSetting() = default;
    virtual bool GetStockPriceReport() const = 0;
};
