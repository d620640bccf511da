#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "platform/records/cls_get_grid_data.h"
#include "school/cls_date_details.h"
#include "school/cls_school_permit.h"
#include "school/system_hooks.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The school's clock, purse and buildings: the kingdom calendar with its date
// events, money and points, the built buildings and their daily values, and
// the permit word it owns. One instance, owned by the game-state facade, which
// subscribes to its events and supplies its hooks.
class clsSystem {
  public:
    explicit clsSystem(SystemHooks& hooks);
    clsSystem(const clsSystem&) = delete;
    clsSystem& operator=(const clsSystem&) = delete;

    // Events, in declaration order.
    host::runtime::Event<clsDateDetails> DateChenge;
    host::runtime::Event<std::string> Report;
    host::runtime::Event<> StockPriceChange;
    host::runtime::Event<> StockDevvy;
    host::runtime::Event<> CourseDecide;
    // AddAge: True only on April 1.
    host::runtime::Event<bool> GraduateCheck;
    host::runtime::Event<> NewYear;
    // True only on April 1.
    host::runtime::Event<bool> NewComer;
    host::runtime::Event<std::string> SchoolScaleUp;
    host::runtime::Event<> StatusRefresh;
    host::runtime::Event<std::string> SoundPlay;
    host::runtime::Event<> Ending;
    host::runtime::Event<> Ending2;

    // --- School rank (cls_system.cpp)
    std::string GetRank() const;
    std::int16_t GetRankAsNumber() const;
    // The school picture by school-grounds scale.
    std::string GetClassImageName() const;

    // --- Treasury (cls_system_treasury.cpp)
    std::int32_t GetMoney() const { return Money; }
    bool AddMoney(std::int32_t lngMoney);
    bool SubMoney(std::int32_t lngMoney);
    bool IsEnough(std::int32_t lngMoney) const { return Money >= lngMoney; }
    std::int32_t GetKingdomPoint() const { return KingdomPoint; }
    bool AddKingdomPoint(std::int32_t lngPoint);
    bool SubKingdomPoint(std::int32_t lngPoint);
    // Count: the school's tournament placing, 1 won the final, 0 none.
    void AddBattlePoint(std::int16_t Count);

    // --- Calendar (cls_system_calendar.cpp)
    void DateCount();
    std::int16_t GetKingdomYear() const { return KingdomYear; }
    std::int16_t GetMonth() const { return KingdomMonth; }
    std::int16_t GetDay() const { return KingdomDay; }
    std::int16_t GetWeekAsNumber() const;
    std::string GetDayofWeek() const;
    clsDateDetails GetDate() const;
    // "year:month:day"; a date outside the calendar is refused.
    void SetDate(std::string_view strDate);
    std::int16_t GetDateForword(std::int16_t pDateForword) const;
    bool CheckClassToday() const;
    bool CheckClass() const { return KingdomDay == 1; }
    bool CheckSchoolMenu() const;
    bool CheckDateCommand(std::int16_t index) const;
    bool CheckBattleGameDay() const;
    bool GetDivvy() const { return KingdomMonth == 4 && KingdomDay == 1; }
    std::int16_t GetClassCount() const { return ClassCounter; }
    void ClassCount();
    std::int16_t GetClassNum() const;
    std::int16_t GetClassFullTime() const;
    bool GetFullTime() const;
    std::string GetSoundName() const;

    // --- Facilities (cls_system_facilities.cpp)
    bool GetNurseOffice() const;
    bool GetCondition() const;
    std::int16_t GetAfterClass() const;
    std::int16_t GetAfternoon() const;
    std::int16_t GetDormitoryPhysicalRecover() const;
    std::int16_t GetDormitoryDissatisfaction() const;
    bool GetFacultyOffice() const;
    bool CheckGym() const;
    bool CheckDormitory() const;
    bool CheckConstructItem(const std::string& building) const;
    std::int32_t GetConstructItemTarget(const std::string& building);
    void SetConstructItem(const std::string& building, const std::string& item);
    void SetRemoveConstructItem(const std::string& building);
    void SetBrokenConstructItem(const std::string& building);
    // Rows (building, placed item, effect left empty) of the built library,
    // museum and chapel, in that order.
    host::runtime::Collection<clsGetGridData> GetAfterSchool() const;

  protected:
    // Protected rather than private so that tests can stage a state.
    clsSchoolPermit cSchoolPermit;

    std::int16_t KingdomYear = 0;
    std::int16_t KingdomMonth = 0;
    std::int16_t KingdomDay = 0;
    std::int16_t ClassCounter = 0;

    std::int32_t Money = 0;
    std::int32_t KingdomPoint = 0;
    std::int16_t BattlePoint = 0;

    std::int32_t ConstructBits = 0;
    std::int32_t ClassroomBits = 0;
    std::int32_t FacilitiesBits = 0;
    std::string LibraryItem;
    std::string MuseumItem;
    std::string ChapelItem;

    bool EndingFLG = false;
    bool Ending2FLG = false;

  private:
    void cSchoolPermit_CompleteConst(std::int32_t CType, std::int16_t CFLG);
    void runFirstOfMonth();
    void runNewSchoolYear();
    std::string* itemSlot(std::int32_t target);

    static constexpr std::array<const char*, 7> DayofWeekNames = {"日", "月", "火", "水", "木", "金", "土"};

    SystemHooks& hooks_;
};
