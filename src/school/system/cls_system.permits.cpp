#include "school/system/cls_system.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"
#include "school/buildings/building_codes.h"
#include "school/permits/permit_codes.h"

#include <algorithm>

using host::runtime::Collection;
using host::runtime::CStr;

namespace {

constexpr const char* kCrLf = "\r\n";

// A school building's permit type plus this is the kind of its building work.
constexpr std::int32_t kSchoolWorkOffset = building_work::kSchoolGrounds - permit_type::kSchoolGrounds;
// Tickets of a kind that the exchange lets a school hold.
constexpr std::int32_t kMostTickets = 100;

bool isSchoolBuilding(const clsPermit& permit) {
    return permit.PermitType() >= permit_type::kSchoolGrounds &&
           permit.PermitType() <= permit_type::kDormitory;
}

bool isTicket(const std::string& permit) {
    return host::runtime::Like(permit, "*チケット");
}

} // namespace

void clsSystem::SetPermit(std::string_view strData) {
    for (const auto& row : host::runtime::Split(strData, kCrLf)) {
        if (row.empty()) continue;
        clsPermit permit;
        permit.SetData(row);
        std::string key = permit.PermitName();
        Permits.add(std::move(permit), std::move(key));
    }
}

bool clsSystem::permitOffered(const clsPermit& permit) const {
    const std::int16_t limit = permit.Limit();
    switch (permit.PermitType()) {
    case permit_type::kSchoolGrounds:
        return limit == cSchoolPermit.GetSchoolScale();
    case permit_type::kSchoolhouse:
        return limit == cSchoolPermit.GetSchoolhouseScale();
    case permit_type::kDormitory:
        return limit == cSchoolPermit.GetDormitoryScale();
    case permit_type::kTicket:
        return limit <= cSchoolPermit.GetRank();
    case permit_type::kSchoolYear:
        return limit == cSchoolPermit.GetSchoolYear() - 1 && KingdomMonth >= 4;
    case permit_type::kEightPeriods:
        return !cSchoolPermit.GetFullTimeClassAsWait();
    case permit_type::kSponsorSlot:
        return limit == cSchoolPermit.GetSponserCount() - 2;
    default:
        return false;
    }
}

// The money price: only the school-building permits take the discount.
std::int32_t clsSystem::permitPrice(const clsPermit& permit, std::int16_t ConstDiscount) const {
    if (isSchoolBuilding(permit)) return mdlZRDFunc::SubPercentLong(permit.Money(), ConstDiscount);
    return permit.Money();
}

Collection<clsGetGridData> clsSystem::GetPointChange(std::int16_t ConstDiscount) const {
    Collection<clsGetGridData> rows;
    for (const auto& permit : Permits) {
        if (!permitOffered(permit)) continue;
        clsGetGridData row;
        row.SetCols(3);
        row.Data(0, "0");
        row.Data(1, permit.PermitName());
        row.Data(2, CStr(permitPrice(permit, ConstDiscount)));
        row.Data(3, CStr(permit.Point()));
        rows.add(std::move(row));
    }
    return rows;
}

bool clsSystem::GetEnablePermit(const std::string& permit, std::int16_t ConstDiscount) const {
    const clsPermit& row = Permits.item(permit);
    if (isSchoolBuilding(row) && cSchoolPermit.GetWork() != 0) return false;
    return IsEnough(permitPrice(row, ConstDiscount)) && KingdomPoint >= row.Point();
}

std::int16_t clsSystem::GetMaxTicket(const std::string& permit, std::int16_t HoldTicket) const {
    const std::int32_t affordable = KingdomPoint / Permits.item(permit).Point();
    const std::int32_t room = kMostTickets - HoldTicket;
    return static_cast<std::int16_t>(
        std::clamp(affordable, std::int32_t{0}, std::max(room, std::int32_t{0})));
}

std::int32_t clsSystem::GetPermitPrice(const std::string& permit, std::int16_t ConstDiscount) const {
    return permitPrice(Permits.item(permit), ConstDiscount);
}

std::int64_t clsSystem::GetPermitPoints(const std::string& permit, std::int16_t Count) const {
    return std::int64_t{Permits.item(permit).Point()} * (isTicket(permit) ? Count : 1);
}

bool clsSystem::SetPermitChange(const std::string& permit, std::int16_t& Count, std::int16_t ConstDiscount) {
    if (!isTicket(permit)) Count = 1;
    const clsPermit& row = Permits.item(permit);
    const std::int32_t price = permitPrice(row, ConstDiscount);
    const std::int64_t points = GetPermitPoints(permit, Count);
    if (Count < 1 || !IsEnough(price) || KingdomPoint < points) return false;
    if (isSchoolBuilding(row) && cSchoolPermit.GetWork() != 0) return false;

    if (!SubMoney(price)) return false;
    if (!SubKingdomPoint(static_cast<std::int32_t>(points))) return false;
    switch (row.PermitType()) {
    case permit_type::kSchoolGrounds:
    case permit_type::kSchoolhouse:
    case permit_type::kDormitory:
        if (const clsSchoolConstruct* level = schoolConstructOfPermit(permit))
            cSchoolPermit.SetConstruct(level->SchoolType() + kSchoolWorkOffset, row.Limit(), level->Work(),
                                       level->SchoolConstructName());
        break;
    case permit_type::kEightPeriods:
        cSchoolPermit.SetFullTimeClass(KingdomDay);
        break;
    case permit_type::kSchoolYear:
        cSchoolPermit.SchoolYearincrease();
        break;
    case permit_type::kSponsorSlot:
        cSchoolPermit.SponserIncrease();
        break;
    default:
        break;
    }
    return true;
}

const clsSchoolConstruct* clsSystem::schoolConstructOfPermit(const std::string& permit) const {
    for (const auto& level : SchoolConstructs)
        if (level.Permit() == permit) return &level;
    return nullptr;
}

std::string clsSystem::GetPermitTips(const std::string& permit) const {
    const clsPermit& row = Permits.item(permit);
    switch (row.PermitType()) {
    case permit_type::kSchoolGrounds:
    case permit_type::kSchoolhouse:
    case permit_type::kDormitory: {
        const std::string lastWork = cSchoolPermit.GetConstruct(true);
        std::string tips;
        for (const auto& level : SchoolConstructs) {
            if (level.Permit() != permit || level.SchoolConstructName() == lastWork) continue;
            tips = level.SchoolConstructName() + kCrLf + "完成まで" + CStr(level.Work()) + "日" + kCrLf +
                   "施設最大設置数:" + CStr(level.Land());
            break;
        }
        if (cSchoolPermit.GetWork() > 0)
            tips += std::string(kCrLf) + "現在" + lastWork + "を建設しているので交換できません";
        return tips;
    }
    case permit_type::kEightPeriods:
        return "来月から4時間授業を8時間授業に変更します";
    case permit_type::kSchoolYear:
        return "来年度から" + CStr(std::int32_t{row.Limit()} + 2) + "年制に変更します" + kCrLf +
               "1月～3月は生徒の進路期間なので変更できません";
    case permit_type::kSponsorSlot:
        return "来年度からスポンサー枠を一つ増やして" + CStr(std::int32_t{row.Limit()} + 3) +
               "枠に変更します";
    default:
        return "";
    }
}
