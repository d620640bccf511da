#pragma once

#include "economy/class_item_class_provider.h"
#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/records/cls_get_grid_data.h"
#include "school/system/cls_date_details.h"
#include "school/system/system_hooks.h"
#include "state/menu_keys.h"
#include "state/save/save_parts.h"
#include "students/lessons/study_info_provider.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host::gdi {
class DeviceContext;
}
class GameHost;
struct SaveManagers;
// The managers the facade owns.
class clsTrade;
class clsLines;
class clsSystem;
class clsMngStudent;
class clsFixTeacherData;
class clsMngScout;
class clsMngCountry;
class clsMngArbeit;
class clsMngTeacher;
class clsMngClass;
class clsMngCompany;
class clsMngItem;
class clsMenu;
// The records its members take and answer.
class clsClassEffect;
class clsClassSchedule;
class clsFixUnitData;
class clsGetCompany;
class clsLineData;
class clsUnit;
class clsUnitData;

// The game-state facade: owns every manager of the game state for the whole
// run, hands each its section of the master data, resets them for a new
// game, and passes the managers' events on to the main form as its own.
// Each concern adds its members in its own block below.
class clsData : public mdlQuorvel::GameDataReceiver, public SystemHooks, public ClassItemClassProvider {
  public:
    // --- Object graph, events and master data (cls_data.cpp, cls_data.load.cpp)
    explicit clsData(GameHost& host);
    ~clsData() override;
    clsData(const clsData&) = delete;
    clsData& operator=(const clsData&) = delete;

    // Events, in declaration order.
    host::runtime::Event<clsDateDetails> DateChenge;
    host::runtime::Event<std::string> Report;
    host::runtime::Event<> ClassEnd;
    host::runtime::Event<> DayEnd;
    host::runtime::Event<> ForwordEnd;
    // A lesson period starts: the lesson's picture.
    host::runtime::Event<host::gdi::DeviceContext*> ClassImage;
    host::runtime::Event<> NewYear;
    host::runtime::Event<std::string> SchoolScaleUp;
    host::runtime::Event<> StatusRefresh;
    host::runtime::Event<> Ending;
    host::runtime::Event<> Ending2;

    // The decrypted master data: UTF-16LE, narrowed as a whole, split into
    // its 32 sections, each handed to its loader in section order; the last,
    // the battle effects, is kept as text for the shell to hand to the battle
    // driver (the game state draws nothing).
    void SetGameData(const std::vector<std::uint8_t>& arrByt) override;
    const std::string& GetBattleEffectData() const { return BattleEffectData; }
    // Resets the game state to the start of a new game; catalogues, the menu
    // state and the winner text stay.
    void SetDataInit();
    // The first offers of a new game: four scouts, the three starting
    // teachers under contract and four teachers on offer.
    void TestPlay();
    clsDateDetails GetDate() const;
    // Year, month and day joined by ":".
    void SetDate(const std::string& strDate);
    // The last battle result: a winning unit's name, "draw" or a tournament place.
    void SetWinnerUnit(const std::string& WinnerUnitName);

    // Answers the managers ask of the facade.
    std::int16_t GetRankUpCondition() override;
    bool CheckItem(const std::string& pData) override;
    host::runtime::Collection<std::string> GetConstructClass(const std::string& pBuildingName) override;
    host::runtime::Collection<std::string> GetClassItemClass(std::int32_t Target) override;

    // --- Status, calendar and menu queries (cls_data.status.cpp)
    std::int32_t GetMoney() const;
    std::int32_t GetKingdomPoint() const;
    std::string GetRank() const;
    std::int16_t GetRankAsNumber() const;
    std::string GetConstruct() const;
    std::string GetSoundName() const;
    void SetMenu(MenuKey pstrMenu);
    MenuKey GetMenu() const;
    void SetSubMenu(MenuKey pstrSubMenu);
    MenuKey GetSubMenu() const;
    std::string GetGGHeaderName() const;
    // 0 one period, 1 the next day, 2 to the weekend, 3 the camp.
    bool CheckDateCommand(std::int16_t Index) const;
    bool CheckCamp() const;
    bool CheckStudentCount() const;
    // On day 1 of a month, whether every student's timetable passes its check.
    bool CheckClassSetting() const;
    // Whether a school-menu entry is open: Saturdays with students; the
    // part-time job (6) and the quest (7) exclude each other.
    bool CheckSchoolMenu(std::int16_t Index) const;
    std::string GetMSGTips(const std::string& pMenu) const;
    std::string GetSchoolMenuTips() const;

    // --- Save slots and the save file (cls_data.save.cpp)
    // The system part of an exported team.
    std::string GetUnitSaveDataSystem() const;
    // The slot-list row of slot Index read without the header check (the slot just saved).
    clsGetGridData GetSaveDataDetail(std::int16_t Index) const;
    // True when at least one of the 20 slot files exists.
    bool CheckSaveData() const;
    // The slot-list rows of slots 1 to 20.
    host::runtime::Collection<clsGetGridData> GetSaveData() const;
    // Writes the running game to slot Index. False when it could not be
    // written: the player has been told and the slot keeps its old file.
    bool SaveSaveData(std::int16_t Index);
    // Replaces the running game with slot Index's once all nine parts have
    // loaded into a staged game; the facade's events stay silent meanwhile and
    // SchoolScaleUp follows the change. False when the slot cannot be loaded:
    // the player has been told and the running game goes on unchanged.
    bool LoadSaveData(std::int16_t Index);

    // --- School data and tips (cls_data.school.cpp)
    // By the open menu (and sub-menu): each person's name and ability
    // Number + 1, keyed by name; none where the list has no abilities.
    std::optional<host::runtime::Collection<clsGetGridData>> GetAbilityNumber(std::int16_t Number) const;
    // The ability grid of the person of the open list; none where the list has none.
    std::optional<clsGetGridData> GetSchoolDetailData(const std::string& pData) const;
    // The tip of a row of the open list; "" where the list has none.
    std::string GetSchoolTips(const std::string& pData);
    host::runtime::Collection<clsGetGridData> GetStudentChara() const;
    clsGetGridData GetExperienceAsNumber(const std::string& pData) const;
    // One student's list row, with ability AbilityNumber + 1.
    clsGetGridData GetStudnetIndivisual(const std::string& pData, std::int16_t AbilityNumber) const;
    std::string GetContractScoutTips() const;
    std::string GetSchoolConstructTips() const;

    // --- Lessons and timetable queries (cls_data.timetable.cpp)
    // Slots run 0..39; periods 5..8 of a day need the full-time permit.
    // GetConstructClass and GetClassItemClass are among the answers above.
    bool CheckClass() const;
    std::string GetClassImageName() const;
    std::string GetClassType(std::int16_t Number) const;
    bool GetClassEnable(std::int16_t Number) const;
    std::int32_t GetClassTypeAsNumber(std::int16_t pSlot) const;
    // The timetable changes only on the first day of a month (CheckClass):
    // on any other day these change nothing and answer False.
    bool SetClassTypeAsNumber(std::int16_t Number, std::int32_t Target, const std::string& ClassName,
                              const std::string& ClassTeacher, const std::string& UseItem);
    // Every student's own timetable from the edited one, keyed "name:slot".
    bool SetStudentSchedule(const host::runtime::Collection<std::shared_ptr<clsClassSchedule>>& clData);
    clsGetGridData GetStudentName() const;
    std::shared_ptr<clsClassSchedule> GetSchedule(const std::string& pTargetStudent,
                                                  std::int16_t Number) const;
    // The student's tip headed by the school-year line.
    std::string GetClassStudentData(const std::string& pData) const;
    std::string GetClassTeacherData(const std::string& pData) const;
    std::int16_t GetClassNeedAbility(const std::string& pLessonName) const;
    // Whether a contracted teacher is still free to pick beside clData.
    bool CheckClassTeacher(const host::runtime::Collection<clsGetGridData>& clData) const;
    // Whether some student's own timetable books the teacher.
    bool CheckClassTeacherNow(const std::string& pData) const;
    // The pick list Index of a slot (0 lessons, 1 teachers, 2 lesson items)
    // without the rows already picked; none for another Index.
    std::optional<host::runtime::Collection<clsGetGridData>>
    GetClassData(std::int16_t Index, std::int32_t ClassType,
                 const host::runtime::Collection<clsGetGridData>& clPicked,
                 const std::string& pLessonName) const;
    // Whether a held item of the lesson's category is still free to pick beside clData.
    bool CheckClassItem(const std::string& pLessonName,
                        const host::runtime::Collection<clsGetGridData>& clData) const;
    // Whether the lesson uses items of the item's category; False for no item.
    bool GetClassItemCheck(const std::string& pLessonName, const std::string& pItemName) const;

    // --- Stocks and sponsors (cls_data.stocks.cpp)
    // The listed companies' share rows, keyed by name.
    host::runtime::Collection<clsGetCompany> GetCompanyData() const;
    std::string GetStockPrice(const std::string& pData) const;
    std::int16_t GetHoldStock(const std::string& pData) const;
    std::int16_t GetSponsorMaxContract() const;
    std::int16_t GetSponsorCurrentContract() const;
    // The sponsor money of the running contracts; no money moves.
    std::int32_t GetSponsorCurrentMoney() const;
    void SetSponsorContract(const std::string& pData);
    // Buys StockNum shares when Excute is "購入", sells them otherwise; the
    // company manager moves the money (then the coin sound). False, and
    // nothing bought, when the money does not cover StockNum shares.
    bool ChangeHoldStock(const std::string& Excute, const std::string& CompanyName, std::int16_t StockNum);
    // Pays the sponsor money of every running contract, the coin sound when any came in.
    void SetSponsorMoney();

    // --- Grid rows for the screens (cls_data.grid.cpp)
    // The rows of the open menu's grid, built by the manager that owns them;
    // pData chooses the view where a menu has several (a tab or the toggle's
    // caption). None where the menu, sub-menu or key has no grid. "新入生"
    // makes this month's newcomers anew and "新規スポンサー" draws new offers
    // on every call.
    std::optional<host::runtime::Collection<clsGetGridData>> GetGridData(const std::string& pData);

    // --- Units, formations and battle items (cls_data.formations.cpp)
    // Saved units sit in slots 0..4 with their members on positions 1..5; a
    // slot outside them stores nothing and reads empty. A student may join a
    // unit when uninjured, strong enough and in no unit sent out.
    // Rows of the students who may join, for the column set "編成".
    host::runtime::Collection<clsGetGridData> GetEnableUnitMember(std::int16_t NeedPhysical) const;
    // True when at least five students may join.
    bool CheckEnableUnitMember(std::int16_t NeedPhysical) const;
    // The saved member at the position while that student may still join; else "".
    std::string GetUnitLoadMember(std::int16_t LoadNumber, std::int16_t UnitNumber,
                                  std::int16_t NeedPhysical) const;
    std::string GetUnitLoadLineName(std::int16_t LoadNumber) const;
    // True when the slot holds a formation name, that is a saved unit.
    bool GetCheckLoadData(std::int16_t LoadNumber) const;
    // The slot's formation, members' states and item; a slot outside 0..4
    // raises the subscript error.
    std::string GetUnitLoadSaveTips(std::int16_t Number, std::int16_t NeedPhysical) const;
    void SetUnitLineName(std::int16_t SaveNumber, const std::string& LineName);
    void SetUnitSave(std::int16_t SaveNumber, std::int16_t UnitNumber, const std::string& SName);
    void SetUnitItem(std::int16_t SaveNumber, const std::string& ItemName);
    // Sends the unit out under its request name; a request already taken
    // raises the collection's error.
    void SetQuest(const clsUnitData& pQuestUnit);
    // The formation's five positions keyed "Number1".."Number5".
    host::runtime::Collection<const clsLineData*> GetLineData(const std::string& pFormation) const;
    // Rows of every formation, for the column set "陣形選択".
    host::runtime::Collection<clsGetGridData> GetSelectLineData() const;
    std::string GetSelectLineDataTips(const std::string& pData) const;
    std::string GetUnitNumberTips(const std::string& pFormation, std::int16_t Number) const;
    std::string GetBattleSkillTips(const std::string& pData) const;
    std::string GetBattleItemDataTips(const std::string& pData) const;
    // The slot's battle item while a piece of it is held; else "" (sold, used
    // up or broken since the unit was saved).
    std::string GetUnitLoadItem(std::int16_t LoadNumber) const;
    // The unit's statistics with the battle item's effects ("" for none).
    std::shared_ptr<clsFixUnitData> GetUnitCalcData(const clsUnitData& pUnitData,
                                                    const std::string& pBattleItem) const;
    // Rows of the held battle items that the units sent out do not all carry,
    // for the column set "戦闘アイテム".
    host::runtime::Collection<clsGetGridData> GetBattleItemData() const;
    // Whether a unit taking the request may carry a battle item: always
    // without a request; else only with an item still free and, for a
    // tournament, when the season's rule allows items at the school's rank.
    bool CheckBattleItem(const std::string& QuestName) const;

    // --- Items, shop, processing, tickets and permits (cls_data.items.cpp)
    // A command that pays checks the money (or kingdom points) first: one
    // the purse does not cover changes nothing and answers so (false or
    // none). Otherwise it pays, makes its change, then plays the coin sound.
    // The item commands are guarded like a day: one that fails leaves the
    // game as it was.
    // CheckItem is among the answers above.
    // The tip of the hovered row at the open town place; "" elsewhere.
    std::string GetShopTips(const std::string& pData) const;
    // How many of the ticket permit the kingdom points buy without holding more than 100.
    std::int16_t GetMaxTicket(const std::string& pPermitName) const;
    bool GetEnablePermit(const std::string& pData) const;
    bool GetEnableBuild(const std::string& pData) const;
    // How many times the recipe can be processed with the money now.
    std::int16_t GetMaxItemMixture(const std::string& pData) const;
    // How many of the shop item the money now buys.
    std::int32_t GetMaxItem(const std::string& pData) const;
    // Uses one held unit of the consumable on the student; nothing when none
    // is held. A name not on the roster raises an error and takes no unit.
    void SetUseConsumeItem(const std::string& pTargetStudent, const std::string& UseItem);
    // Orders the building at the sponsors' discount; false when the order
    // is not open now (work going on, the money short).
    bool SetBuild(const std::string& pData);
    // Processes the recipe Number times for its fee; answers the products held.
    std::optional<std::int16_t> SetProcessItem(const std::string& pRecipe, std::int16_t Number);
    // Exchanges the permit for its money and kingdom points; a ticket permit
    // adds Count tickets. False when nothing was exchanged.
    bool SetPermitChange(const std::string& pData, std::int16_t Count);
    // Excute "購入" buys Count units and answers the room left under the cap;
    // anything else sells up to Count units, paying for those removed, and
    // answers the units still held.
    std::optional<std::int16_t> SetItemChange(const std::string& pShopItem, const std::string& Excute,
                                              std::int16_t Count);
    // Sells the units of the IDs at their worn prices; answers the units still held.
    std::int16_t SetItemSellAsID(const std::string& pShopItem,
                                 const host::runtime::Collection<std::string>& clUnitID);
    // Whether the building holds items and a held item fits it.
    bool CheckConstructItem(const std::string& pBuildingName) const;
    // "0", name, influence word of each held item that fits the building.
    host::runtime::Collection<clsGetGridData> GetConstructItemData(const std::string& pData) const;
    bool GetIsItemMaterial(const std::string& pData) const;
    // "0", price after wear, unit ID of each held unit of the item.
    host::runtime::Collection<clsGetGridData> GetItemStorageData(const std::string& pData) const;
    host::runtime::Collection<clsGetGridData> GetItemConsumeData() const;
    bool GetIsConsumeItem() const;
    std::string GetConsumeItemTips(const std::string& pData) const;
    // Draws a prize for each of Count tickets (at most those held); answers the tickets still held.
    std::int16_t SetDrawTicket(const std::string& pTicket, std::int16_t Count);
    void SetConstructItem(const std::string& Build, const std::string& ConstructItem);
    void SetRemoveConstructItem(const std::string& pBuildingName);

    // --- Contracts, commands and money checks (cls_data.contracts.cpp)
    // The menus' command buttons: whether command Index of the open menu is
    // open now; pData names the selected student (course guidance).
    bool CheckCommand(std::int16_t Index, const std::string& pData) const;
    // A number as text: whether the money covers it (a number beyond any
    // purse never is). In the stock shop a company name: whether one more of
    // its shares may be bought (at most 100 held).
    bool IsEnoughMoney(const std::string& pData) const;
    // Whether the offered teacher ("教師") or scout ("スカウト") of the open
    // sub-menu may be taken now; a teacher also needs room under the limit.
    bool CheckContractMoney(const std::string& pOfferName) const;
    // The contract money of the offered teacher or scout; 0 on other sub-menus.
    std::int32_t GetContractMoney(const std::string& pData) const;
    // Pays the contract money of the offer, contracts it, then the coin
    // sound; false and nothing on other sub-menus. An offer the manager
    // refuses after the payment fails with its error and the game is as it was.
    bool SetContract(const std::string& pOfferName);
    // Pays the bonus, the coin sound, then lowers the teacher's
    // dissatisfaction by the effect word; the teacher's new stage 0..4. A
    // teacher not under contract fails with the manager's error and the money
    // comes back.
    std::optional<std::int16_t> SetBonus(const std::string& pBonusTeacher, std::int32_t Bonus,
                                         const std::string& BonusEffect);
    // Guidance is open in January to March once the guidance room is built,
    // for a student without a course in the last school year or aged 20 or more.
    bool CheckCourse(const std::string& pTargetStudent) const;
    // Whether the roster reaches 5 students with NewMember newcomers admitted.
    bool GetEnoughMember(std::int16_t NewMember) const;
    // Pays the fee as shown, books the destination, then the coin sound.
    bool SetCamp(const std::string& pData, std::int32_t lngMoney);
    // True when a part-time job is chosen, or when no student could work one.
    bool CheckArbeit() const;
    bool CheckContractTeacher(const std::string& pData) const;
    bool CheckTeacherCanceled() const;
    // Ends the contract; nothing is paid or refunded.
    void SetTeacherCanceled(const std::string& pData);
    // The five bonus rows: "0", money, effect word.
    const host::runtime::Collection<clsGetGridData>& GetBonusData() const;
    // The 14 course rows of the guidance list.
    const host::runtime::Collection<clsGetGridData>& GetCourse() const;
    void SetCourse(const std::string& pTargetStudent, const std::string& Course);
    std::string GetStudentCourse(const std::string& pTargetStudent) const;
    // Admission: the newcomer joins the roster.
    void SetNewStudent(const std::string& pData);
    // Chooses the part-time job the day's events run.
    void SetArbeit(const std::string& pData);

    const std::string& winnerUnit() const;

    // --- Day engine, day events and battles, lesson parameters, newcomers
    // and event relays (cls_data.day.cpp, cls_data.events*.cpp,
    // cls_data.teaching.cpp, cls_data.newcomers.cpp)
    // The academy's battle unit: a quest fight is won when the winner bears it.
    static constexpr const char* AcademyUnitName = "ミルトナ騎士団";
    // Runs whole days: 1 the next day, 2 up to the next Saturday, 3 up to day
    // 28 (the camp); DayEnd after each day, ForwordEnd at the end.
    void DateForword(std::int16_t pDateForword);
    // Teaches the period the counter names, then ClassEnd.
    void ClassForword();
    // This month's newcomers, each under a name no student, newcomer or
    // graduate bears; fewer when the free names run out.
    void CreateStudent();

    // --- Developer routines (cls_data.devtools.cpp): they skip the screens'
    // checks and change the running game exactly as the operations they call.
    // Period 5 of Monday is taught to every student, then every student
    // recovers 5 points of physical strength; the period counter stays.
    void TestStudy();
    // The training of the job "草むしり" in April's growth, without wages,
    // points or found items.
    void TestArbeit();
    // One formation's team sheet in TestLineCalc.
    struct FormationSheet {
        std::string formation;
        std::shared_ptr<clsFixUnitData> sheet;
    };
    // Five batches of newcomers, then the sheet of every formation, in
    // catalogue order, with the first five students of the roster.
    std::vector<FormationSheet> TestLineCalc();
    // Appends "関数名:" and the procedure, then the message, each with a time
    // stamp and a separator, to the error log; nothing unless Enabled. A log
    // that cannot be written raises an error naming it.
    void WriteErrorLog(const std::string& ProcedureName, const std::string& Message, bool Enabled);

  private:
    // Tests and benchmarks reach the managers through it; the screens never do.
    friend class FacadeManagers;

    // --- Object graph (cls_data.cpp)
    // The nine managers a save file holds.
    SaveManagers saveManagers();
    // cls_data.save.cpp: loads the parts into a staged game, built from the
    // master data as the running one was; nobody listens to its events.
    // Empty when every part loaded, otherwise why not, for the player.
    static std::string stagedRefusal(GameHost& host, const SaveParts& parts);
    // A loaded game's first name that its catalogue lacks (a lesson, class
    // item, formation or quest of the roster), as the refusal the player
    // reads, naming the part; "" when every name is known
    // (cls_data.save_names.cpp).
    std::string unknownSavedName() const;
    void subscribeRelays();

    // --- Paying (cls_data.payments.cpp)
    // Whether the money covers a price: the one check every paying command
    // makes before anything changes. A price below 0 is no price and never
    // covered (it would pay the school).
    bool affords(std::int64_t price) const;
    // The same for kingdom points: permits and the point exchange.
    bool affordsPoints(std::int64_t points) const;

    // --- Day engine, day events and battles, lesson parameters and event relays
    // Answers the student manager's lesson records.
    class StudyInfoAnswer : public StudyInfoProvider {
      public:
        explicit StudyInfoAnswer(clsData& data) : data_(data) {}
        void GetStudyInfo(clsClassEffect& cInfo) override { data_.cMngStudent_GetStudyInfo(cInfo); }

      private:
        clsData& data_;
    };
    void subscribeDayEngine();
    // cls_data.day.cpp
    // Runs a date command; when it fails, the nine save strings taken before
    // it are put back and the error goes on, so the game never goes on half-changed.
    void guardedCommand(const std::function<void()>& command);
    void runDay();
    void RunCampDay();
    void RunAfterSchool();
    void RunTeacherDay();
    // cls_data.events.cpp
    void ProcessDayEvents();
    void runPartTimeJob();
    void runTournament(const clsUnitData& team);
    void runQuest(const clsUnitData& team);
    void wearTeamItem(const clsUnitData& team);
    // cls_data.events.combatants.cpp
    std::shared_ptr<clsUnit> CreateSchoolUnit(const clsUnitData& team);
    std::shared_ptr<clsUnit> CreateMonsterUnit(const std::string& quest);
    // cls_data.newcomers.cpp
    std::optional<std::string> freeStudentName();
    // cls_data.teaching.cpp
    void cMngStudent_GetStudyInfo(clsClassEffect& cInfo);
    void cMngStudent_ClassImage(const std::string& name);
    // cls_data.events.relays.cpp
    void cSystem_StockPriceChange();
    void cSystem_StockDevvy();
    void cSystem_CourseDecide();
    void cSystem_GraduateCheck(bool AddAge);
    void cSystem_NewComer(bool CheckContract);
    void cMngStudent_UseClassItem(const std::string& item);
    void cMngItem_MoveMoney(std::int32_t MMethod, std::int32_t Money);
    void cMngCompany_MoveMoney(std::int32_t MMethod, std::int32_t Money);
    void cMngCompany_StockItem(const std::string& item, std::int16_t count);
    StudyInfoAnswer studyInfo_{*this};

    GameHost& Host;
    std::string BattleEffectData;
    std::unique_ptr<clsTrade> cTrade;
    std::unique_ptr<clsLines> cLines;
    std::unique_ptr<clsSystem> cSystem;
    std::unique_ptr<clsMngStudent> cMngStudent;
    std::unique_ptr<clsFixTeacherData> cFixTeacherData;
    std::unique_ptr<clsMngScout> cMngScout;
    std::unique_ptr<clsMngCountry> cMngCountry;
    std::unique_ptr<clsMngArbeit> cMngArbeit;
    std::unique_ptr<clsMngTeacher> cMngTeacher;
    std::unique_ptr<clsMngClass> cMngClass;
    std::unique_ptr<clsMngCompany> cMngCompany;
    std::unique_ptr<clsMngItem> cMngItem;
    std::unique_ptr<clsMenu> cMenu;
    std::string WinnerUnit;
};
