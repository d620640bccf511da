#include "economy/companies/cls_company.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>

using host::runtime::CInt;
using host::runtime::CLng;
using host::runtime::CStr;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
using host::runtime::saturate16;
using host::runtime::saturate32;
using mdlZRDFunc::RandomInt;

namespace {

bool isBoom(const std::string& word) {
    return word == boom_level::kBubbleWord || word == boom_level::kBoomWord;
}

bool isSlump(const std::string& word) {
    return word == boom_level::kPanicWord || word == boom_level::kRecessionWord;
}

// RandomInt over bounds worked out in Integer arithmetic.
std::int16_t draw(int lo, int hi) {
    return RandomInt(saturate16(std::int64_t{lo}), saturate16(std::int64_t{hi}));
}

std::int16_t add16(int a, int b) {
    return saturate16(std::int64_t{a} + b);
}

} // namespace

void clsCompany::SetCompanyData(std::string_view row) {
    const std::string what = "company row \"" + std::string(row) + "\"";
    const auto f = host::runtime::SplitFields(row, ",", 10, what);
    if (f[0].empty()) throw RuntimeError(ErrorNumber::InvalidCall, what + " has no name");
    const std::string item = host::text::toWide(f[4]);
    const std::int16_t need = CInt(f[6]);
    if (!item.empty() && need < 1)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           what + ": a shareholder item needs at least one share per unit");
    const std::int32_t initial = CLng(f[7]);
    if (initial < 1) throw RuntimeError(ErrorNumber::InvalidCall, what + ": the initial price is below 1");
    const std::int16_t stability = CInt(f[1]);
    if (stability < company_stability::kLowest || stability > company_stability::kHighest)
        throw RuntimeError(ErrorNumber::InvalidCall, what + ": stability " + f[1] + " is outside " +
                                                         std::to_string(company_stability::kLowest) + " to " +
                                                         std::to_string(company_stability::kHighest));

    CompanyName_ = host::text::toWide(f[0]);
    Stability_ = stability;
    Dependancy_ = CInt(f[2]);
    Divvy_ = CInt(f[3]);
    StockTreatmentItem_ = item;
    StockTreatmentItemNumber_ = CInt(f[5]);
    StockTreatmentNeed_ = need;
    StockPriceInit_ = initial;
    SponsorMerit_ = CLng(f[8]);
    SponsorData_ = CInt(f[9]);
    HoldStock_ = 0;
    StockPrice_ = PrevStockPrice_ = StockPriceInit_;
}

void clsCompany::SetSponsor(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 6, "sponsor row \"" + std::string(row) + "\"");
    const std::int16_t period = CInt(f[1]);
    const std::int32_t money = CLng(f[2]);
    const std::int32_t type = CLng(f[3]);
    const std::int32_t value = CLng(f[4]);
    SponsorPeriod_ = period;
    SponsorMoney_ = money;
    SponsorCondType_ = type;
    SponsorCondValue_ = value;
    ToolTip_ = host::text::toWide(f[5]);
}

void clsCompany::SetDataInit() {
    HoldStock_ = 0;
    AverageStockPrice_ = 0;
    StockPrice_ = PrevStockPrice_ = StockPriceInit_;
    ReservedFlag_ = false;
    PassagePeriod_ = 0;
    Count_ = 0;
    DelistTerm_ = 0;
}

std::int32_t clsCompany::GetCompareStockPrice() const {
    return saturate32(std::int64_t{StockPrice_} - PrevStockPrice_);
}

std::int32_t clsCompany::GetHighPrice() const {
    return saturate32(std::int64_t{StockPriceInit_} * 2);
}

std::int16_t clsCompany::longestDelistTerm() const {
    return saturate16(std::int64_t{kMostDelistYears} * Stability_ + kDelistBaseTerm);
}

std::int32_t clsCompany::GetMaxPrice() const {
    return saturate32(std::int64_t{StockPriceInit_} * 5);
}

std::int32_t clsCompany::GetBankruptcyLine(const std::string& strBoom) const {
    if (strBoom == boom_level::kRecessionWord)
        return saturate32(StockPriceInit_ / 100.0 * (6 - Stability_) * 10);
    if (strBoom == boom_level::kPanicWord)
        return saturate32(StockPriceInit_ / 100.0 * (10 - Stability_) * 10);
    return 0;
}

std::int16_t clsCompany::reaction(std::int16_t p, bool boom, bool slump) const {
    const int S = Stability_, D = Dependancy_;
    if (boom && p >= 0) {
        p = add16(p, D);
        if (p >= S) {
            const std::int16_t r = draw(0, p - 6 + S);
            p = add16(p, -r);
        }
    } else if (boom) {
        const std::int16_t down = draw(0, D);
        const std::int16_t up = draw(0, S);
        p = add16(p - down, up);
    } else if (slump && p < 0) {
        const std::int16_t down = draw(D - 1, 2 * D);
        const std::int16_t up = draw(0, S);
        p = add16(p - down, up);
    } else if (slump) {
        const std::int16_t first = draw(0, D);
        const std::int16_t second = draw(0, S);
        p = add16(p + first, second);
    }
    return p;
}

std::int16_t clsCompany::pullBack(std::int16_t p, bool boom, bool slump) const {
    const int S = Stability_, D = Dependancy_;
    if (StockPrice_ < GetLowPrice()) {
        if (boom) return add16(p, draw(D - 1, 2 * D));
        if (slump) return add16(p, draw(S - 1, 2 * S));
        return add16(p, draw(0, 2));
    }
    if (StockPrice_ > GetHighPrice()) {
        if (slump) return add16(p, -draw(D - 1, 2 * D));
        if (boom) return add16(p, -draw(S - 1, 2 * S));
        return add16(p, -draw(0, 2));
    }
    const std::int16_t t = draw(1, 100);
    if (t % 2 == 0) return add16(p, draw(0, 2));
    return add16(p, -draw(0, 2));
}

void clsCompany::SetFluctuation(std::int16_t intFluctuation, const std::string& strBoom) {
    const bool boom = isBoom(strBoom);
    const bool slump = isSlump(strBoom);
    if (DelistTerm_ > 0) {
        if (!slump) --DelistTerm_;
        if (DelistTerm_ > 0) return;
        StockPrice_ = PrevStockPrice_ = StockPriceInit_;
        std::int32_t type = 2;
        std::string message = CompanyName_ + "が株式市場に登場しました";
        Report.raise(type, message);
    }

    std::int16_t p = reaction(intFluctuation, boom, slump);
    p = pullBack(p, boom, slump);
    PrevStockPrice_ = StockPrice_;
    StockPrice_ = saturate32((1.0 + p / 100.0) * StockPrice_);
    StockPrice_ = std::clamp(StockPrice_, GetMinPrice(), GetMaxPrice());

    if (!slump || StockPrice_ >= GetBankruptcyLine(strBoom)) return;
    const int odds = (strBoom == boom_level::kPanicWord ? 4 : 2) * (6 - Stability_);
    const std::int16_t r = RandomInt(0, 100);
    if (r < odds) Bankrupt();
}

void clsCompany::Bankrupt() {
    std::int32_t type = 1;
    std::string message = CompanyName_;
    Report.raise(type, message);
    if (HoldStock_ > 0) {
        type = 3;
        message = CStr(HoldStock_) + "枚の株券が紙くずになりました";
        Report.raise(type, message);
        HoldStock_ = 0;
        AverageStockPrice_ = 0;
    }
    StockPrice_ = 0;
    PrevStockPrice_ = 0;
    const std::int16_t years = RandomInt(kFewestDelistYears, kMostDelistYears);
    DelistTerm_ = saturate16(std::int64_t{years} * Stability_ + kDelistBaseTerm);
    if (PassagePeriod_ > 0) {
        PassagePeriod_ = 0;
        type = 3;
        message = "スポンサー契約が白紙になりました";
        Report.raise(type, message);
    }
}

void clsCompany::SetStockAcquisition(std::int16_t& count) {
    count = std::max<std::int16_t>(count, 0);
    if (HoldStock_ + count > share_rule::kHoldCap)
        count = static_cast<std::int16_t>(share_rule::kHoldCap - HoldStock_);
    if (count == 0) return;
    const std::int64_t total =
        std::int64_t{HoldStock_} * AverageStockPrice_ + std::int64_t{count} * StockPrice_;
    HoldStock_ = static_cast<std::int16_t>(HoldStock_ + count);
    AverageStockPrice_ = saturate32(static_cast<double>(total) / HoldStock_);
}

void clsCompany::SetSoldOff(std::int16_t& count) {
    count = std::max<std::int16_t>(count, 0);
    if (HoldStock_ < count) count = HoldStock_;
    HoldStock_ = static_cast<std::int16_t>(HoldStock_ - count);
    if (HoldStock_ == 0) AverageStockPrice_ = 0;
}

std::string clsCompany::GetSaveData() const {
    return CompanyName_ + ":" + CStr(HoldStock_) + ":" + CStr(StockPrice_) + ":" + CStr(AverageStockPrice_) +
           ":" + CStr(ReservedFlag_) + ":" + CStr(PassagePeriod_) + ":" + CStr(Count_) + ":" +
           CStr(DelistTerm_) + ":" + CStr(PrevStockPrice_);
}

clsCompany::SavedState clsCompany::ReadSaveData(std::string_view text) const {
    const std::string what = "company save \"" + std::string(text) + "\"";
    const auto f = host::runtime::Split(text, ":");
    if (f.size() != kSaveFields)
        throw RuntimeError(ErrorNumber::InvalidCall, what + " has " + std::to_string(f.size()) +
                                                         " fields, not " + std::to_string(kSaveFields));
    SavedState state;
    state.HoldStock = CInt(f[1]);
    state.StockPrice = CLng(f[2]);
    state.AverageStockPrice = CLng(f[3]);
    state.ReservedFlag = host::runtime::CBool(f[4]);
    state.PassagePeriod = CInt(f[5]);
    state.Count = CInt(f[6]);
    state.DelistTerm = CInt(f[7]);
    state.PrevStockPrice = CLng(f[8]);
    if (const char* fault = outOfRange(state))
        throw RuntimeError(ErrorNumber::InvalidCall, what + ": " + fault);
    return state;
}

const char* clsCompany::outOfRange(const SavedState& state) const {
    const auto priced = [this](std::int32_t price) {
        return price >= GetMinPrice() && price <= GetMaxPrice();
    };
    if (state.HoldStock < 0 || state.HoldStock > share_rule::kHoldCap) return "shares held out of range";
    if (state.PassagePeriod < 0 || state.PassagePeriod > SponsorPeriod_)
        return "a contract longer than its period";
    if (state.DelistTerm < 0 || state.DelistTerm > longestDelistTerm())
        return "a delisting term out of range";
    if (state.DelistTerm > 0) {
        if (state.HoldStock != 0 || state.StockPrice != 0 || state.PrevStockPrice != 0 ||
            state.AverageStockPrice != 0 || state.PassagePeriod != 0)
            return "a delisted company with shares, a price or a contract";
        return nullptr;
    }
    if (!priced(state.StockPrice) || !priced(state.PrevStockPrice)) return "a share price out of its range";
    if (state.HoldStock == 0 ? state.AverageStockPrice != 0 : !priced(state.AverageStockPrice))
        return "an average price that does not fit the shares held";
    return nullptr;
}

void clsCompany::Restore(const SavedState& state) {
    HoldStock_ = state.HoldStock;
    StockPrice_ = state.StockPrice;
    AverageStockPrice_ = state.AverageStockPrice;
    ReservedFlag_ = state.ReservedFlag;
    PassagePeriod_ = state.PassagePeriod;
    Count_ = state.Count;
    DelistTerm_ = state.DelistTerm;
    PrevStockPrice_ = state.PrevStockPrice;
}
