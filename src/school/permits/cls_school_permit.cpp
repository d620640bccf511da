#include "school/permits/cls_school_permit.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/cls_method.h"
#include "school/permits/permit_codes.h"

#include <array>

using host::runtime::CStr;

namespace {

// School grounds 1, schoolhouse 1, one school year, two sponsor slots.
constexpr std::int32_t kNewGameWord = 33872;

constexpr std::int16_t kRankLow = 1, kRankHigh = 3;
constexpr std::int16_t kFullTimeBit = 4;
constexpr std::int16_t kSchoolLow = 5, kSchoolHigh = 6;
constexpr std::int16_t kSchoolhouseLow = 7, kSchoolhouseHigh = 8;
constexpr std::int16_t kDormitoryLow = 9, kDormitoryHigh = 10;
constexpr std::int16_t kYearsLow = 11, kYearsHigh = 14;
constexpr std::int16_t kSponsorLow = 15, kSponsorHigh = 17;

constexpr std::int16_t kTopScale = 3;
constexpr std::int16_t kMostYears = 6;
constexpr std::int16_t kMostSponsors = 6;

} // namespace

clsSchoolPermit::clsSchoolPermit() : PermitWord(kNewGameWord) {}

void clsSchoolPermit::SetDataInit() {
    PermitWord = kNewGameWord;
    Work = 0;
    ConstType = 0;
    ConstFLG = 0;
    ConstName.clear();
    FullTimeWait = false;
}

void clsSchoolPermit::SetSaveData(std::string_view strData) {
    auto fields = host::runtime::Split(strData, ":");
    if (fields.size() < 6)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "permit text \"" + std::string(strData) + "\"");
    std::int32_t word = host::runtime::CLng(fields[0]);
    std::int16_t work = host::runtime::CInt(fields[1]);
    // A negative count would never finish and block every permit.
    if (work < 0)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                          "permit text \"" + std::string(strData) + "\": negative work days");
    std::int32_t type = host::runtime::CLng(fields[2]);
    std::int16_t flag = host::runtime::CInt(fields[3]);
    bool wait = host::runtime::CBool(fields[5]);
    PermitWord = word;
    Work = work;
    ConstType = type;
    ConstFLG = flag;
    ConstName = host::text::toWide(fields[4]);
    FullTimeWait = wait;
}

std::string clsSchoolPermit::GetSaveData() const {
    return CStr(PermitWord) + ":" + CStr(Work) + ":" + CStr(ConstType) + ":" + CStr(ConstFLG) + ":" +
           ConstName + ":" + CStr(FullTimeWait);
}

void clsSchoolPermit::NextMonth() {
    if (FullTimeWait) PermitWord = Method().BitOn(PermitWord, kFullTimeBit);
}

void clsSchoolPermit::NextDay() {
    if (Work == 1) {
        Work = 0;
        std::int32_t type = ConstType;
        std::int16_t flag = ConstFLG;
        CompleteConst.raise(type, flag);
        std::string message = ConstName + "が完成しました";
        Report.raise(message);
    } else if (Work > 1) {
        --Work;
    }
}

std::string clsSchoolPermit::GetConstruct(bool blPlane) const {
    if (blPlane) return ConstName;
    if (Work != 0) return "建設:" + ConstName + "(" + CStr(Work) + ")";
    return "建設:なし";
}

void clsSchoolPermit::SetConstruct(std::int32_t pConstType, std::int16_t pConstFLG, std::int16_t pWork,
                                   std::string pConstName) {
    ConstType = pConstType;
    ConstFLG = pConstFLG;
    Work = pWork;
    ConstName = std::move(pConstName);
}

void clsSchoolPermit::ShoolScaleUp() {
    std::int16_t scale = GetSchoolScale();
    if (scale < kTopScale) setField(kSchoolLow, kSchoolHigh, scale + 1);
}

void clsSchoolPermit::SchoolhouseScaleUp() {
    std::int16_t scale = GetSchoolhouseScale();
    if (scale < kTopScale) setField(kSchoolhouseLow, kSchoolhouseHigh, scale + 1);
}

void clsSchoolPermit::DormitoryScaleUp() {
    std::int16_t scale = GetDormitoryScale();
    if (scale < kTopScale) setField(kDormitoryLow, kDormitoryHigh, scale + 1);
}

void clsSchoolPermit::SchoolYearincrease() {
    std::int16_t years = GetSchoolYear();
    if (years < kMostYears) setField(kYearsLow, kYearsHigh, years + 1);
}

void clsSchoolPermit::SponserIncrease() {
    std::int16_t slots = GetSponserCount();
    if (slots < kMostSponsors) setField(kSponsorLow, kSponsorHigh, slots + 1);
}

void clsSchoolPermit::RankUp() {
    std::int16_t rank = GetRank();
    if (rank >= school_rank::kS) return;
    setField(kRankLow, kRankHigh, rank + 1);
    raiseRankReport("に上がりました");
}

void clsSchoolPermit::RankDown() {
    std::int16_t rank = GetRank();
    if (rank <= 0) return;
    setField(kRankLow, kRankHigh, rank - 1);
    raiseRankReport("に下がりました");
}

void clsSchoolPermit::raiseRankReport(const char* movement) {
    std::string message = "学園のランクが" + GetRankString(GetRank()) + movement;
    Report.raise(message);
    StatusRefresh.raise();
}

void clsSchoolPermit::SetFullTimeClass(std::int16_t tDay) {
    if (tDay == 1)
        PermitWord = Method().BitOn(PermitWord, kFullTimeBit);
    else
        FullTimeWait = true;
}

std::int16_t clsSchoolPermit::GetSchoolScale() const {
    return field(kSchoolLow, kSchoolHigh);
}
std::int16_t clsSchoolPermit::GetSchoolhouseScale() const {
    return field(kSchoolhouseLow, kSchoolhouseHigh);
}
std::int16_t clsSchoolPermit::GetDormitoryScale() const {
    return field(kDormitoryLow, kDormitoryHigh);
}
std::int16_t clsSchoolPermit::GetRank() const {
    return field(kRankLow, kRankHigh);
}
std::int16_t clsSchoolPermit::GetSchoolYear() const {
    return field(kYearsLow, kYearsHigh);
}
std::int16_t clsSchoolPermit::GetSponserCount() const {
    return field(kSponsorLow, kSponsorHigh);
}

bool clsSchoolPermit::GetFullTimeClass() const {
    return Method().BitCheck(PermitWord, kFullTimeBit);
}

bool clsSchoolPermit::GetFullTimeClassAsWait() const {
    return GetFullTimeClass() || FullTimeWait;
}

std::int16_t clsSchoolPermit::GetFullTimeNumber() const {
    return GetFullTimeClass() ? 8 : 4;
}

std::string clsSchoolPermit::GetRankString(std::int16_t intRank) {
    static constexpr std::array<const char*, 8> kLetters = {"G", "F", "E", "D", "C", "B", "A", "S"};
    if (intRank < 0 || intRank > school_rank::kS) return "";
    return kLetters[static_cast<std::size_t>(intRank)];
}

std::int16_t clsSchoolPermit::field(std::int16_t low, std::int16_t high) const {
    return static_cast<std::int16_t>(Method().RangeBITWORD(PermitWord, low, high));
}

void clsSchoolPermit::setField(std::int16_t low, std::int16_t high, std::int16_t value) {
    PermitWord = Method().SetRangeBITWORD(PermitWord, low, high, value);
}
