#pragma once

#include <cstdint>
#include <string>

// One row of the share-market grid: cell 0 "0", then the name, the price,
// the shares held, stability and dependancy (each less one) and the change
// since the previous move.
class clsGetCompany {
  public:
    std::int16_t Cols() const { return 6; }
    // "" outside 0..6.
    std::string GetData(std::int16_t index) const;

    void HoldStock(std::int16_t value) { HoldStock_ = value; }
    void BeforeStockPrice(std::int32_t value) { BeforeStockPrice_ = value; }
    void Dependancy(std::int16_t value) { Dependancy_ = value; }
    void Stability(std::int16_t value) { Stability_ = value; }
    void StockPrice(std::int32_t value) { StockPrice_ = value; }
    void CompanyName(std::string value) { CompanyName_ = std::move(value); }

  private:
    std::string CompanyName_;
    std::int32_t StockPrice_ = 0;
    std::int16_t Stability_ = 0;
    std::int16_t Dependancy_ = 0;
    std::int32_t BeforeStockPrice_ = 0;
    std::int16_t HoldStock_ = 0;
};
