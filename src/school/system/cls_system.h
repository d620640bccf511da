#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "host/sys/clock.h"
#include "platform/records/cls_get_grid_data.h"
#include "platform/records/cls_time.h"
#include "school/buildings/cls_construct.h"
#include "school/buildings/cls_school_construct.h"
#include "school/permits/cls_permit.h"
#include "school/permits/cls_school_permit.h"
#include "school/quests/cls_quest.h"
#include "school/system/cls_date_details.h"
#include "school/system/cls_sponsor_condition.h"
#include "school/system/system_hooks.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The school's clock, purse and buildings: the kingdom calendar with its date
// events, money and points, the built buildings and their daily values,
// building orders and the point exchange, the yearly rank evaluation, the
// kingdom's requests and their completion counts, the permit word it owns,
// and the system part of a saved game. One instance, owned by the game-state
// facade, which subscribes to its events and supplies its hooks.
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

    // --- Treasury (cls_system.treasury.cpp)
    std::int32_t GetMoney() const { return Money; }
    bool AddMoney(std::int32_t lngMoney);
    bool SubMoney(std::int32_t lngMoney);
    bool IsEnough(std::int32_t lngMoney) const { return Money >= lngMoney; }
    std::int32_t GetKingdomPoint() const { return KingdomPoint; }
    bool AddKingdomPoint(std::int32_t lngPoint);
    bool SubKingdomPoint(std::int32_t lngPoint);
    // Count: the school's tournament placing, 1 won the final, 0 none.
    void AddBattlePoint(std::int16_t Count);

    // --- Calendar (cls_system.calendar.cpp)
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

    // --- Facilities (cls_system.facilities.cpp)
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
    // Places the item in the building's slot; a building without a slot, or
    // a name outside the catalogue, changes nothing.
    void SetConstructItem(const std::string& building, const std::string& item);
    void SetRemoveConstructItem(const std::string& building);
    void SetBrokenConstructItem(const std::string& building);
    // Rows (building, placed item, effect left empty) of the built library,
    // museum and chapel, in that order.
    host::runtime::Collection<clsGetGridData> GetAfterSchool() const;

    // --- Buildings and their orders (cls_system.constructions.cpp)
    // Loaders of the construction, classroom, facility and school-building
    // sections; empty rows are skipped.
    void SetConstruction(std::string_view strData);
    void SetClassroom(std::string_view strData);
    void SetFacilities(std::string_view strData);
    void SetSchoolConstruct(std::string_view strData);
    // The permit's "建設:" status text, or with Plane the last ordered work.
    std::string GetConstruct(bool Plane) const;
    // Rows (check, name, discounted price, place, days) of the buildings that
    // may be listed at the permit office.
    host::runtime::Collection<clsGetGridData> GetBuild(std::int16_t ConstDiscount) const;
    bool GetEnableBuild(const std::string& building, std::int16_t Discount) const;
    // The building's price at the discount.
    std::int32_t GetBuildPrice(const std::string& building, std::int16_t Discount) const;
    // Pays and starts the work only when GetEnableBuild allows the order.
    void SetConstructBuild(const std::string& building, std::int16_t ConstDiscount);
    std::string GetBuildTips(const std::string& building) const;
    // Also empties the building's item slot when its item is no longer held.
    std::string GetConstructTips(const std::string& building);
    std::string GetSchoolConstructTips() const;
    // Rows ("0", name) of the built buildings of kind Target (1, 2 or 3).
    host::runtime::Collection<clsGetGridData> GetConstData(std::int32_t Target) const;

    // --- Permits and the point exchange (cls_system.permits.cpp)
    // Loader of the permit section; empty rows are skipped.
    void SetPermit(std::string_view strData);
    // Rows (check, name, price, points) of the permits on offer now.
    host::runtime::Collection<clsGetGridData> GetPointChange(std::int16_t ConstDiscount) const;
    bool GetEnablePermit(const std::string& permit, std::int16_t ConstDiscount) const;
    std::int16_t GetMaxTicket(const std::string& permit, std::int16_t HoldTicket) const;
    // Count becomes 1 for a permit that is no ticket. Nothing is paid or
    // changed, and the answer is False, unless Count is at least 1 and the
    // money, the points for Count permits and (for a school building) a free
    // building site are all there.
    bool SetPermitChange(const std::string& permit, std::int16_t& Count, std::int16_t ConstDiscount);
    // The money and the kingdom points an exchange of Count takes (a permit
    // that is no ticket is exchanged once, whatever Count says).
    std::int32_t GetPermitPrice(const std::string& permit, std::int16_t ConstDiscount) const;
    std::int64_t GetPermitPoints(const std::string& permit, std::int16_t Count) const;
    std::string GetPermitTips(const std::string& permit) const;

    // --- Rank and school state (cls_system.rank.cpp)
    // The April 1 evaluation: battle points (and from rank "D" up the
    // graduates' rank-up points) raise or lower the rank; battle points are
    // cleared.
    void EvaluateSchoolRank();
    clsSponsorCondition GetSponsorCondition() const;
    std::int16_t GetSponsorMaxCount() const;
    std::int16_t GetSchoolYear() const;
    std::int16_t GetCriticism() const { return 0; }
    bool CheckCourse() const;
    bool GetMiddlePlaceFLG() const;
    bool GetHiPlaceFLG() const;
    // Names of the built constructions and classrooms, in catalogue order.
    host::runtime::Collection<std::string> GetClassConstractData() const;

    // --- The system record (cls_system.record.cpp)
    void SetDataInit();
    // A game starts: its play time counts from zero, from now.
    void StartPlayTime();
    // Sixteen "/" fields.
    std::string GetSaveData() const;
    // Nothing changes unless every field reads.
    void SetSaveData(std::string_view strData);
    // Six fields, each closed by a backslash; at most 75 characters.
    std::string GetSaveDataHeader() const;
    std::string GetUnitSaveData() const;
    // One name per line; empty lines are skipped.
    void SetName(std::string_view strData);
    // A name drawn from the list; the list must not be empty.
    std::string GetName() const;
    // The student-name list, in list order.
    const std::vector<std::string>& studentNames() const { return StudentNames; }

    // --- Quests (cls_system.quests.cpp)
    // Loader of the quest section; empty rows are skipped.
    void SetQuest(std::string_view strData);
    // The request list: cBattleGame first when BattleGameFLG, then rows
    // ("0", name, physical cost, money, points) of the quests open today
    // whose name is in column 0 of no row of clContractQuest.
    host::runtime::Collection<clsGetGridData>
    GetQuest(const host::runtime::Collection<clsGetGridData>& clContractQuest, bool BattleGameFLG,
             const clsGetGridData& cBattleGame) const;
    const std::string& GetQuestTips(const std::string& QuestName) const;
    std::int16_t GetQuestRank(const std::string& QuestName) const;
    const std::string& GetQuestImageName(const std::string& QuestName) const;
    // True when the quest ends in a fight.
    bool GetQuestBattle(const std::string& QuestName) const;
    // A monster drawn from the quest's region, or the monster it names.
    std::string GetMonsterNameFromQuest(const std::string& QuestName) const;
    // Counts the success and pays the quest's money and kingdom points.
    void SetQuestSuccess(const std::string& QuestName);
    // The IDs joined by ":", CR LF, the counts joined by ":".
    std::string GetQuestSaveData() const;
    // IDs no quest has are skipped; nothing changes unless every pair reads.
    void SetQuestSaveData(std::string_view strData);
    // The count of the first quest with that ID; 0 when there is none.
    std::int16_t GetQuestCount(std::int16_t ID) const;
    void ClearQuestCount(std::int16_t ID);
    bool IsQuestCountReached(std::int16_t ID, std::int16_t count) const;
    // Day 1 of every month: the counts of the quests that reset are cleared,
    // and a prerequisite whose follow-up's window closed last month has to be
    // completed again.
    void ResetMonthlyQuests();

    // --- The catalogue browser (cls_system.browser.cpp): the whole quest catalogue as loaded, one
    // column record per column and one row per master row; reads only.
    host::runtime::Collection<clsGetGridData> GetGameDataHeader() const;
    host::runtime::Collection<clsGetGridData> GetGameData() const;

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

    host::runtime::Collection<clsConstruct> Constructs;
    host::runtime::Collection<clsSchoolConstruct> SchoolConstructs;
    host::runtime::Collection<clsPermit> Permits;
    std::vector<std::string> StudentNames;
    host::runtime::Collection<clsQuest> Quests;

    // Play time before PlayStart; the stretch since is added when it is read.
    clsTime PlayTime;
    std::chrono::system_clock::time_point PlayStart = host::sys::wallClock().now();

  private:
    void cSchoolPermit_CompleteConst(std::int32_t CType, std::int16_t CFLG);
    void runFirstOfMonth();
    void runNewSchoolYear();
    std::string* itemSlot(std::int32_t target);

    void SetConstructData(std::int32_t kind, std::string_view strData);
    // The bit set of built buildings of kind 1, 2 or 3; 0 for another kind.
    std::int32_t builtBits(std::int32_t kind) const;
    std::int16_t GetBuiltCount(std::int32_t kind) const;
    const clsSchoolConstruct* currentSchoolConstruct(std::int32_t kind) const;
    std::int16_t GetSchoolConstructLand(std::int32_t kind) const;
    std::string GetSchoolConstructName(std::int32_t kind) const;
    static std::string GetSchoolConstructTypeName(std::int32_t kind);
    std::string schoolConstructLine(std::int32_t kind) const;
    const clsSchoolConstruct* schoolConstructOfPermit(const std::string& permit) const;
    bool permitOffered(const clsPermit& permit) const;
    std::int32_t permitPrice(const clsPermit& permit, std::int16_t ConstDiscount) const;
    std::string playTimeText() const;
    const clsQuest* firstQuest(std::int16_t ID) const;
    clsQuest* firstQuest(std::int16_t ID);

    static constexpr std::array<const char*, 7> DayofWeekNames = {"日", "月", "火", "水", "木", "金", "土"};

    SystemHooks& hooks_;
};
