#pragma once

#include "host/runtime/event.h"
#include "school/system/cls_sponsor_condition.h"

#include <cstdint>
#include <string>
#include <string_view>

// One listed company: its catalogue row (stability, how it follows the
// economy, dividend, shareholder item, initial price) with its sponsor offer,
// and its running state (share price, the school's holding and average
// purchase price, a running sponsor contract, the delisting term after a
// bankruptcy). Money never moves here.
class clsCompany {
  public:
    // The running fields of a save text, read before anything changes.
    struct SavedState {
        std::int16_t HoldStock = 0;
        std::int32_t StockPrice = 0;
        std::int32_t AverageStockPrice = 0;
        bool ReservedFlag = false;
        std::int16_t PassagePeriod = 0;
        std::int16_t Count = 0;
        std::int16_t DelistTerm = 0;
        std::int32_t PrevStockPrice = 0;
    };

    // ReportType 1: bankrupt (MSG the bare name); 2: back on the market;
    // 3: a loss through the bankruptcy; 4: a sponsor contract ended.
    host::runtime::Event<std::int32_t, std::string> Report;

    // The merit line (when the merit is one) and the tip.
    std::string SponsorTips() const;
    bool SponsorCondition(const clsSponsorCondition& snapshot) const;
    // One contract year passes; the last one reports the end.
    void SponsorPassage();
    void SponsorDecision() { PassagePeriod_ = SponsorPeriod_; }
    std::int32_t GetCompareStockPrice() const;
    // Sponsor row: company name, SponsorPeriod, SponsorMoney, SponsorCondType,
    // SponsorCondValue, ToolTip (widened). A short row or a bad number raises
    // the runtime's error.
    void SetSponsor(std::string_view row);
    // Company row: CompanyName, Stability, Dependancy, Divvy,
    // StockTreatmentItem, StockTreatmentItemNumber, StockTreatmentNeed,
    // StockPriceInit, SponsorMerit, SponsorData; the texts widened. A short
    // row, a bad number, no name, a stability outside 1 to 5, a shareholder
    // item without shares per unit or an initial price below 1 raises the
    // runtime's error.
    void SetCompanyData(std::string_view row);
    // name:HoldStock:StockPrice:AverageStockPrice:True|False:PassagePeriod:Count:DelistTerm:PrevStockPrice
    std::string GetSaveData() const;
    // The running fields of a save text; part 0, the name, is the manager's.
    // A text of other than nine fields, a bad number or a value the game never
    // gives this company (a price outside its range, shares, a price or a
    // contract while delisted, an average without shares, a contract longer
    // than its period) raises the runtime's error.
    SavedState ReadSaveData(std::string_view text) const;
    void Restore(const SavedState& state);
    void SetSaveData(std::string_view text) { Restore(ReadSaveData(text)); }
    void SetDataInit();

    const std::string& ToolTip() const { return ToolTip_; }
    std::int16_t Stability() const { return Stability_; }
    std::int16_t Dependancy() const { return Dependancy_; }
    const std::string& StockTreatmentItem() const { return StockTreatmentItem_; }
    std::int16_t StockTreatmentItemNumber() const { return StockTreatmentItemNumber_; }
    std::int16_t StockTreatmentNeed() const { return StockTreatmentNeed_; }
    std::int16_t Divvy() const { return Divvy_; }
    std::int32_t SponsorMoney() const { return SponsorMoney_; }
    std::int16_t SponsorPeriod() const { return SponsorPeriod_; }
    std::int32_t SponsorMerit() const { return SponsorMerit_; }
    std::int16_t SponsorData() const { return SponsorData_; }
    std::int32_t SponsorCondType() const { return SponsorCondType_; }
    std::int32_t SponsorCondValue() const { return SponsorCondValue_; }
    const std::string& CompanyName() const { return CompanyName_; }
    void CompanyName(std::string name) { CompanyName_ = std::move(name); }
    std::int16_t Count() const { return Count_; }
    // Listed and without a contract.
    bool OpenSponsor() const { return DelistTerm_ == 0 && PassagePeriod_ == 0; }
    std::int16_t PassagePeriod() const { return PassagePeriod_; }
    std::int16_t HoldStock() const { return HoldStock_; }
    std::int32_t StockPrice() const { return StockPrice_; }
    std::int32_t AverageStockPrice() const { return AverageStockPrice_; }
    bool ReservedFlag() const { return ReservedFlag_; }
    std::int16_t DelistTerm() const { return DelistTerm_; }
    std::int32_t PrevStockPrice() const { return PrevStockPrice_; }
    bool Bankruptcy() const { return DelistTerm_ > 0; }
    std::int32_t GetStockPriceInit() const { return StockPriceInit_; }

    // Sells count shares; count is lowered to the shares held (a negative
    // count sells none). No share left clears the average.
    void SetSoldOff(std::int16_t& count);
    // Buys count shares; count is lowered so that at most 100 are held (a
    // negative count buys none). The average takes in the shares bought at
    // the current price; buying none leaves it as it was.
    void SetStockAcquisition(std::int16_t& count);
    // The lower edge of the pull-back band; dividends are paid only above it.
    std::int32_t GetLowPrice() const { return StockPriceInit_ / 2; }
    // One share-price day: the cycle's percent and word, adjusted by the
    // company, pulled back toward the initial price, applied and clamped; in
    // a recession or a panic a price under the line may end in bankruptcy.
    void SetFluctuation(std::int16_t intFluctuation, const std::string& strBoom);

  private:
    static constexpr std::size_t kSaveFields = 9;
    // A bankrupt company stays off the market for years x Stability + 24 share-price days.
    static constexpr std::int16_t kFewestDelistYears = 3;
    static constexpr std::int16_t kMostDelistYears = 10;
    static constexpr std::int16_t kDelistBaseTerm = 24;

    static std::string GetShopItemText(std::int16_t code);
    // What is wrong with a saved state for this company; nullptr when nothing.
    const char* outOfRange(const SavedState& state) const;
    std::int16_t longestDelistTerm() const;
    std::int32_t GetMaxPrice() const;
    std::int32_t GetMinPrice() const { return StockPriceInit_ / 5; }
    std::int32_t GetHighPrice() const;
    std::int32_t GetBankruptcyLine(const std::string& strBoom) const;
    void Bankrupt();
    // The percent after the company's reaction to the cycle and the pull-back.
    std::int16_t reaction(std::int16_t p, bool boom, bool slump) const;
    std::int16_t pullBack(std::int16_t p, bool boom, bool slump) const;

    std::string CompanyName_;
    std::int16_t Stability_ = 0;
    std::int16_t Dependancy_ = 0;
    std::int16_t Divvy_ = 0;
    std::string StockTreatmentItem_;
    std::int16_t StockTreatmentItemNumber_ = 0;
    std::int16_t StockTreatmentNeed_ = 0;
    std::int32_t StockPriceInit_ = 0;
    std::int32_t SponsorMerit_ = 0;
    std::int16_t SponsorData_ = 0;
    std::int16_t SponsorPeriod_ = 0;
    std::int32_t SponsorMoney_ = 0;
    std::int32_t SponsorCondType_ = 0;
    std::int32_t SponsorCondValue_ = 0;
    std::string ToolTip_;
    std::int16_t HoldStock_ = 0;
    std::int32_t StockPrice_ = 0;
    std::int32_t AverageStockPrice_ = 0;
    bool ReservedFlag_ = false;
    std::int16_t PassagePeriod_ = 0;
    std::int16_t Count_ = 0;
    std::int16_t DelistTerm_ = 0;
    std::int32_t PrevStockPrice_ = 0;
};
