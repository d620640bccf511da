#include "economy/companies/cls_company.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "platform/rules/cls_method.h"

#include <array>

using host::runtime::CStr;
using host::runtime::saturate16;

namespace {

// The shop's item word by sponsor shop code; code 7 is the permanent stock.
constexpr std::array<const char*, 12> kShopItemWords = {
    "",     "馬(低)", "馬(高)",   "書物(低)",   "書物(中)",   "書物(高)",
    "鉱石", "",       "大物素材", "芸術品(低)", "芸術品(高)", "珍品",
};

} // namespace

std::string clsCompany::GetShopItemText(std::int16_t code) {
    const char* word =
        code >= 0 && code < static_cast<std::int16_t>(kShopItemWords.size()) ? kShopItemWords[code] : "";
    return std::string("街のアイテム店で") + word + "が販売開始(スポンサー期間のみ)";
}

std::string clsCompany::SponsorTips() const {
    std::string merit;
    if (SponsorMerit_ == sponsor_merit::kShopItems)
        merit = "スポンサーメリット:" + GetShopItemText(SponsorData_);
    else if (SponsorMerit_ == sponsor_merit::kCampDiscount)
        merit = "スポンサーメリット:合宿費" + CStr(SponsorData_) + "%OFF";
    else if (SponsorMerit_ == sponsor_merit::kConstructionDiscount)
        merit = "スポンサーメリット:建設費" + CStr(SponsorData_) + "%OFF";
    return merit.empty() ? ToolTip_ : merit + "\r\n" + ToolTip_;
}

bool clsCompany::SponsorCondition(const clsSponsorCondition& snapshot) const {
    const std::int32_t v = SponsorCondValue_;
    const std::int16_t small = saturate16(std::int64_t{v});
    switch (SponsorCondType_) {
    case sponsor_condition::kRank:
        return snapshot.Rank >= small;
    case sponsor_condition::kHoldStock:
        return HoldStock_ >= small;
    case sponsor_condition::kGraduatePoints: {
        std::int64_t points = 0;
        for (std::int16_t k = 1; k <= sponsor_condition::kLastCareerLine; ++k)
            if (Method().BitCheck(v, k)) points += snapshot.GetOccupationNumber(k);
        return saturate16(points) >= Method().HIWORD(v);
    }
    case sponsor_condition::kSchoolhouseScale:
        return snapshot.SchoolhouseScale >= small;
    case sponsor_condition::kDormitoryScale:
        return snapshot.DormitoryScale >= small;
    case sponsor_condition::kClassroomBit:
        return Method().BitCheck(snapshot.Classroom, small);
    case sponsor_condition::kFacilityBit:
        return Method().BitCheck(snapshot.Facilities, small);
    case sponsor_condition::kConstructionBit:
        return Method().BitCheck(snapshot.Construct, small);
    default:
        return true;
    }
}

void clsCompany::SponsorPassage() {
    if (PassagePeriod_ < 1) return;
    --PassagePeriod_;
    if (PassagePeriod_ != 0) return;
    std::int32_t type = 4;
    std::string message = CompanyName_ + "との契約が終了しました";
    Report.raise(type, message);
}
