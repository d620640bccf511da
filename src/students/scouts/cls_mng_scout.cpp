#include "students/scouts/cls_mng_scout.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>
#include <vector>

using host::runtime::Collection;
using host::runtime::CStr;

namespace {

constexpr long kOffers = 4;

clsScoutData scoutFromRow(std::string_view row) {
    using host::runtime::CInt;
    auto f = host::runtime::SplitFields(row, ",", 7, "scout row");
    auto i16 = [&](std::size_t i) { return CInt(std::string_view(f[i])); };
    clsScoutData scout;
    scout.Occupation(i16(1));
    scout.Age(i16(2));
    scout.Growth(i16(3));
    scout.Period(i16(4));
    scout.Ability(i16(5));
    scout.Number(i16(6));
    scout.Name(host::text::toWide(f[0]));
    return scout;
}

} // namespace

void clsMngScout::SetDataInit() {
    ContractScout_.clear();
    ContractPeriod_ = 0;
}

void clsMngScout::SetSaveData(std::string_view strData) {
    auto f = host::runtime::SplitFields(strData, "/", 3, "scout save text");
    std::int16_t period = host::runtime::CInt(std::string_view(f[1]));
    Collection<clsPassageData> offers;
    for (const std::string& line : host::runtime::Split(f[2], "\r\n")) {
        if (line.empty()) continue;
        clsPassageData entry;
        entry.Name(host::text::toWide(host::runtime::Split(line, ":").front()));
        std::string key = entry.Name();
        offers.add(std::move(entry), std::move(key));
    }
    std::string contracted = host::text::toWide(f[0]);
    // A scout the catalogue does not hold would fail the next screen; no
    // contract is the empty name.
    std::vector<std::string> saved;
    if (!contracted.empty()) saved.push_back(contracted);
    for (const clsPassageData& entry : offers)
        saved.push_back(entry.Name());
    for (const std::string& name : saved)
        if (!Scouts_.contains(name))
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                              "saved scout \"" + name + "\" is not in the catalogue");
    ContractScout_ = std::move(contracted);
    ContractPeriod_ = period;
    NewComers_ = std::move(offers);
}

std::string clsMngScout::GetSaveData() const {
    return ContractScout_ + "/" + CStr(ContractPeriod_) + "/" + mdlZRDFunc::GetPassageText(NewComers_, ":");
}

std::string clsMngScout::GetScoutTips(const std::string& name, std::int32_t lngMoney) const {
    std::int32_t price = GetContractMoney(name);
    return "契約するのに" + CStr(price) +
           (lngMoney >= price ? "エニス必要ですが、払えます" : "エニス必要ですが、払えません");
}

std::string clsMngScout::GetContractScoutTips() const {
    if (ContractPeriod_ <= 0) return "現在、どのスカウトとも契約していません";
    const clsScoutData& scout = Scouts_.item(ContractScout_);
    return host::runtime::Join(
        {
            scout.Name() + "との契約が" + CStr(ContractPeriod_) + "年あります",
            "出身:" + GetOccupation(scout.Occupation()),
            "年齢:" + GetAgeLabel(scout.Age()),
            "成長:" + GetGrowthLabel(scout.Growth()),
            "能力:" + GetAbilityLabel(scout.Ability()),
            "人数:" + GetNumberLabel(scout.Number()),
        },
        "\r\n");
}

std::int32_t clsMngScout::GetContractMoney(const std::string& name) const {
    const clsScoutData& scout = Scouts_.item(name);
    return host::runtime::saturate32(std::int64_t{scout.Salary()} * scout.Period());
}

std::string clsMngScout::GetOccupation(std::int32_t number) const {
    switch (number) {
    case 1:
        return "田舎";
    case 2:
        return "中流";
    case 3:
        return "高貴";
    default:
        return "";
    }
}

Collection<clsGetGridData> clsMngScout::GetContract() const {
    Collection<clsGetGridData> rows;
    rows.add(gridRow(Scouts_.item(ContractScout_), ContractPeriod_));
    return rows;
}

Collection<clsGetGridData> clsMngScout::GetScoutData() const {
    Collection<clsGetGridData> rows;
    for (const clsPassageData& offer : NewComers_) {
        const clsScoutData& scout = Scouts_.item(offer.Name());
        rows.add(gridRow(scout, scout.Period()));
    }
    return rows;
}

void clsMngScout::SetNewComer(bool blCheckContract) {
    Clear();
    if (blCheckContract) ScoutContractPassage();
    long free = 0;
    for (const clsScoutData& scout : Scouts_)
        if (IsFreeScout(scout.Name())) ++free;
    const long wanted = std::min(kOffers, free);
    // Draw over the whole list and redraw a scout that is not free, so every
    // free scout keeps the same odds.
    const std::int16_t last = host::runtime::saturate16(std::int64_t{Scouts_.count()} - 1);
    while (NewComers_.count() < wanted) {
        const clsScoutData& scout = Scouts_.item(long{mdlZRDFunc::RandomInt(0, last)} + 1);
        if (!IsFreeScout(scout.Name())) continue;
        clsPassageData entry;
        entry.Name(scout.Name());
        NewComers_.add(std::move(entry), scout.Name());
    }
}

void clsMngScout::ScoutDecide(const std::string& name) {
    const clsScoutData& scout = Scouts_.item(name);
    NewComers_.remove(name);
    ContractScout_ = scout.Name();
    ContractPeriod_ = scout.Period();
}

clsScoutData clsMngScout::GetScout() const {
    if (!ContractScout_.empty()) return Scouts_.item(ContractScout_);
    clsScoutData scout;
    scout.Occupation(1);
    scout.Age(0);
    scout.Growth(2);
    scout.Ability(2);
    scout.Number(6);
    return scout;
}

void clsMngScout::SetScout(std::string_view strData) {
    for (const std::string& line : host::runtime::Split(strData, "\r\n")) {
        if (line.empty()) continue;
        clsScoutData scout = scoutFromRow(line);
        std::string key = scout.Name();
        Scouts_.addNamed(std::move(scout), std::move(key), "scout");
    }
}

void clsMngScout::ScoutContractPassage() {
    if (ContractPeriod_ <= 0) return;
    --ContractPeriod_;
    if (ContractPeriod_ != 0) return;
    std::string message = ContractScout_ + "とのスカウト契約が終了しました";
    Report.raise(message);
    ContractScout_.clear();
}

bool clsMngScout::IsFreeScout(const std::string& name) const {
    return !NewComers_.contains(name) && name != ContractScout_;
}

clsGetGridData clsMngScout::gridRow(const clsScoutData& scout, std::int16_t period) const {
    clsGetGridData row;
    row.SetCols(8);
    row.Data(0, "0");
    row.Data(1, scout.Name());
    row.Data(2, GetOccupation(scout.Occupation()));
    row.Data(3, GetAgeLabel(scout.Age()));
    row.Data(4, GetGrowthLabel(scout.Growth()));
    row.Data(5, CStr(period));
    row.Data(6, GetAbilityLabel(scout.Ability()));
    row.Data(7, GetNumberLabel(scout.Number()));
    row.Data(8, CStr(scout.Salary()));
    return row;
}

std::string clsMngScout::GetAbilityLabel(std::int16_t ability) {
    if (ability < 6) return "最低";
    if (ability < 10) return "低";
    if (ability < 14) return "普通";
    if (ability < 18) return "高";
    return "最高";
}

std::string clsMngScout::GetGrowthLabel(std::int32_t growth) {
    switch (growth) {
    case 1:
        return "早熟";
    case 2:
        return "普通";
    case 3:
        return "晩成";
    case 4:
        return "特殊";
    default:
        return "";
    }
}

std::string clsMngScout::GetAgeLabel(std::int32_t age) {
    switch (age) {
    case 1:
        return "低";
    case 2:
        return "中";
    case 3:
        return "高";
    default:
        return "";
    }
}

std::string clsMngScout::GetNumberLabel(std::int16_t number) {
    if (number < 5) return "少";
    if (number < 8) return "中";
    return "多";
}
