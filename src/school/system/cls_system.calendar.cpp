#include "school/system/cls_system.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "school/permits/permit_codes.h"
#include "school/system/calendar_months.h"

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr std::int16_t kDaysInMonth = 28;
constexpr std::int16_t kMonthsInYear = 12;
constexpr std::int16_t kLastYear = 9999;
constexpr std::int16_t kSaturday = 6;

constexpr std::int16_t kEnding2BattlePoints = 50;
constexpr std::int16_t kEnding2Rank = school_rank::kS;
constexpr std::int16_t kEndingRank = school_rank::kC;

bool isTournamentMonth(std::int16_t month) {
    return month == 3 || month == 6 || month == 10;
}

} // namespace

void clsSystem::DateCount() {
    ClassCounter = 1;
    ++KingdomDay;
    if (KingdomDay > kDaysInMonth) {
        KingdomDay = 1;
        ++KingdomMonth;
        if (KingdomMonth > kMonthsInYear) KingdomMonth = 1;
        if (KingdomMonth == 1 && KingdomYear < kLastYear) ++KingdomYear;
    }
    clsDateDetails details = GetDate();
    cSchoolPermit.NextDay();
    DateChenge.raise(details);

    if (KingdomDay == 1) runFirstOfMonth();
    if (KingdomDay == 1 || KingdomDay == 15) StockPriceChange.raise();
    if (KingdomMonth == 1 && KingdomDay == 1) CourseDecide.raise();
    if (KingdomDay == kDaysInMonth && isTournamentMonth(KingdomMonth)) {
        std::string notice =
            "今日は王国主催の大会が開かれます\r\n参加する場合は依頼からチームを編成してください";
        Report.raise(notice);
    }
}

void clsSystem::runFirstOfMonth() {
    cSchoolPermit.NextMonth();
    ResetMonthlyQuests();
    if (KingdomMonth == calendar_month::kSchoolYearStart) {
        runNewSchoolYear();
    } else {
        bool addAge = false;
        GraduateCheck.raise(addAge);
        bool newYear = false;
        NewComer.raise(newYear);
    }
    if (KingdomMonth == calendar_month::kTrainingCamp) {
        std::string notice = "今日から一ヶ月間、生徒を連れて合宿に行くことができます";
        Report.raise(notice);
    }
}

// April 1. The flags are set before their ending is raised, so an ending is
// never raised twice even if its handler re-enters the game.
void clsSystem::runNewSchoolYear() {
    bool addAge = true;
    GraduateCheck.raise(addAge);
    StockDevvy.raise();
    if (BattlePoint >= kEnding2BattlePoints && !Ending2FLG && cSchoolPermit.GetRank() == kEnding2Rank) {
        Ending2FLG = true;
        Ending2.raise();
    }
    EvaluateSchoolRank();
    if (!EndingFLG && cSchoolPermit.GetRank() == kEndingRank) {
        EndingFLG = true;
        Ending.raise();
    }
    NewYear.raise();
    bool newYear = true;
    NewComer.raise(newYear);
}

std::int16_t clsSystem::GetWeekAsNumber() const {
    return static_cast<std::int16_t>((KingdomDay - 1) % 7);
}

std::string clsSystem::GetDayofWeek() const {
    return DayofWeekNames[static_cast<std::size_t>(GetWeekAsNumber())];
}

clsDateDetails clsSystem::GetDate() const {
    clsDateDetails details;
    details.Day = KingdomDay;
    details.Month = KingdomMonth;
    details.Year = KingdomYear;
    details.DayofWeek = GetDayofWeek();
    return details;
}

void clsSystem::SetDate(std::string_view strDate) {
    auto parts = host::runtime::Split(strDate, ":", 3);
    if (parts.size() < 3)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "date \"" + std::string(strDate) + "\"");
    std::int16_t year = host::runtime::CInt(parts[0]);
    std::int16_t month = host::runtime::CInt(parts[1]);
    std::int16_t day = host::runtime::CInt(parts[2]);
    if (year < 1 || year > kLastYear || month < 1 || month > kMonthsInYear || day < 1 || day > kDaysInMonth)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           "date \"" + std::string(strDate) + "\" is not in the calendar");
    KingdomYear = year;
    KingdomMonth = month;
    KingdomDay = day;
}

std::int16_t clsSystem::GetDateForword(std::int16_t pDateForword) const {
    switch (pDateForword) {
    case 1:
        return 1;
    case 2:
        return static_cast<std::int16_t>((KingdomDay / 7 + 1) * 7 - KingdomDay);
    case 3:
        return static_cast<std::int16_t>(kDaysInMonth - KingdomDay);
    default:
        return 0;
    }
}

bool clsSystem::CheckClassToday() const {
    std::int16_t weekday = GetWeekAsNumber();
    return weekday >= 1 && weekday <= 5;
}

bool clsSystem::CheckSchoolMenu() const {
    return GetWeekAsNumber() == kSaturday;
}

bool clsSystem::CheckDateCommand(std::int16_t index) const {
    switch (index) {
    case 0:
        return CheckClassToday() && ClassCounter < cSchoolPermit.GetFullTimeNumber();
    case 1:
        return true;
    case 3:
        return KingdomMonth == calendar_month::kTrainingCamp && KingdomDay == 1;
    default:
        return GetWeekAsNumber() != kSaturday;
    }
}

bool clsSystem::CheckBattleGameDay() const {
    return KingdomDay == kDaysInMonth && isTournamentMonth(KingdomMonth);
}

void clsSystem::ClassCount() {
    ClassCounter = host::runtime::saturate16(std::int64_t{ClassCounter} + 1);
}

std::int16_t clsSystem::GetClassNum() const {
    return cSchoolPermit.GetFullTimeClass() ? 8 : 4;
}

std::int16_t clsSystem::GetClassFullTime() const {
    return cSchoolPermit.GetFullTimeNumber();
}

bool clsSystem::GetFullTime() const {
    return cSchoolPermit.GetFullTimeClass();
}

std::string clsSystem::GetSoundName() const {
    if (KingdomMonth <= 3) return "冬";
    if (KingdomMonth <= 6) return "春";
    if (KingdomMonth <= 9) return "夏";
    return "秋";
}
