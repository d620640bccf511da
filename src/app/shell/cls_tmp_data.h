#pragma once

#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_unit.h"
#include "platform/records/cls_get_grid_data.h"
#include "students/lessons/cls_class_schedule.h"

#include "host/runtime/collection.h"
#include "host/runtime/variant.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

// The main form's scratch state: numbered values handed from one handler to
// the next (each key has a fixed type), the turn-end log, the message type
// of the open dialog, the running tournament's entrants and rules, and the
// panel cells of the formation being placed, and the class screen's copy of
// the timetable. Nothing in it is saved.
class clsTMPData {
  public:
    // The key of the turn-end log.
    static constexpr std::int32_t kTurnEndLog = 99;
    // The answer to the opening question: True to watch it.
    static constexpr std::int32_t kWatchOpening = 37;
    // What the dialogs read and write.
    static constexpr std::int32_t kSharePrice = 4;
    static constexpr std::int32_t kSharesHeld = 5;
    static constexpr std::int32_t kRecipe = 7;
    static constexpr std::int32_t kProcessingPrice = 8;
    static constexpr std::int32_t kTicketsHeld = 10;
    static constexpr std::int32_t kExchangeLine = 11;
    static constexpr std::int32_t kBuilding = 12;
    static constexpr std::int32_t kItem = 13;
    static constexpr std::int32_t kPickedSlotEntry = 21;
    static constexpr std::int32_t kPickedFormation = 25;
    static constexpr std::int32_t kPickedBattleItem = 26;
    static constexpr std::int32_t kPickedBuildingItem = 31;
    static constexpr std::int32_t kBonusMoney = 32;
    static constexpr std::int32_t kBonusEffect = 33;
    static constexpr std::int32_t kPickedCourse = 34;
    // The town's choices: the company and its row in the share market, the
    // checked row of the other places' lists, the ticket to exchange.
    static constexpr std::int32_t kCompany = 1;
    static constexpr std::int32_t kCompanyRow = 2;
    static constexpr std::int32_t kCheckedRow = 6;
    static constexpr std::int32_t kTicket = 9;
    // The timetable slot being edited, 0 to 39.
    static constexpr std::int32_t kEditedSlot = 19;

    // What the timetable checks ask of the game.
    class TimetableFacts {
      public:
        virtual ~TimetableFacts() = default;
        virtual bool CheckContractTeacher(const std::string& teacher) const = 0;
        virtual bool CheckItem(const std::string& item) const = 0;
    };
    using Entries = host::runtime::Collection<std::shared_ptr<clsClassSchedule>>;

    clsTMPData();

    // The tournament's recovery percentage.
    std::int16_t BattleRecover() const { return battleRecover_; }
    void BattleRecover(std::int16_t value) { battleRecover_ = value; }
    // The object-not-set error (91) before SetRegulation.
    const clsBattleRegulation& GetRegulation() const;
    void SetRegulation(const clsBattleRegulation& cReg) { regulation_ = cReg; }
    // The entrant stored under that name: the collection's not-found error (5)
    // for another name, the object-not-set error (91) before SetUnit.
    clsUnit& GetUnit(const std::string& UnitName) const;
    // Keeps the entrants (the same units) under their keys.
    void SetUnit(const host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit);

    // Formation cells of members 0 to 4; another member number is the
    // subscript error (9).
    std::int16_t GetUnitXPos(std::int16_t Number) const;
    std::int16_t GetUnitYPos(std::int16_t Number) const;
    void SetUnitPos(std::int16_t XPos, std::int16_t YPos, std::int16_t Number);
    // The lowest member recorded at that cell, or -1.
    std::int16_t GetUnitNumber(std::int16_t XPos, std::int16_t YPos) const;

    void TurnEndMSGClear() { turnEndLog_.clear(); }
    void SetMSGType(std::int32_t DataType) { msgType_ = DataType; }
    std::int32_t GetMSGType() const { return msgType_; }

    // Converts the value to the key's type and stores it; the log key
    // appends a line. A value the type cannot hold raises the conversion
    // error and keeps the old value; an unknown key changes nothing.
    void SetDataSingle(std::int32_t DataType, const host::runtime::Variant& DataTMP);
    // The value as its type; Empty for an unknown key.
    host::runtime::Variant GetDataSingle(std::int32_t DataType) const;

    // The edited timetable: one entry per student and slot, keyed by the
    // student's name, ":" and the slot. A held key is the duplicate-key error;
    // an item no longer held is dropped from the entry.
    void SetClass(std::shared_ptr<clsClassSchedule> cClass, const TimetableFacts& facts);
    // The entries themselves, for the commit.
    Entries& GetClassData() { return entries_; }
    // Rewrite or copy into an existing entry; a missing one is the
    // collection's error.
    void SetSchedule(std::int16_t Number, const std::string& Student, const std::string& ClassName,
                     const std::string& Teacher, const std::string& UseItem);
    void SetClassCopy(const std::string& Student, std::int16_t Dest, std::int16_t Source);
    void ClassClear() { entries_.clear(); }
    // The slot's rows: check mark, student, lesson, teacher under contract,
    // item held (an item no longer held is also cleared in the entry).
    host::runtime::Collection<clsGetGridData> GetClass(std::int16_t Number, const TimetableFacts& facts);
    // Slot types; a slot outside 0 to 39 is the subscript error (9).
    void SetClassType(std::int16_t Number, std::int32_t Target) { classTypes_[slot(Number)] = Target; }
    std::int32_t GetClassType(std::int16_t Number) const { return classTypes_[slot(Number)]; }
    // A whole-class slot's lesson, teacher and item (from its first entry).
    std::string GetClassName(std::int16_t Number) const;
    std::string GetClassTeacher(std::int16_t Number) const;
    std::string GetUseItem(std::int16_t Number) const;
    // The tip of the slot being edited.
    std::string GetClassTips() const;
    // True when the slot obeys the timetable rules; else the first broken
    // rule's message in ErrMSG.
    bool CheckClass(std::int16_t Number, std::string& ErrMSG, const TimetableFacts& facts) const;

  private:
    static std::size_t member(std::int16_t Number);
    static std::size_t slot(std::int32_t Number);
    const clsClassSchedule* firstOf(std::int16_t Number) const;

    std::map<std::int32_t, host::runtime::Variant> values_;
    std::string turnEndLog_;
    std::int32_t msgType_ = 0;
    std::int16_t battleRecover_ = 0;
    std::optional<clsBattleRegulation> regulation_;
    std::optional<host::runtime::Collection<std::shared_ptr<clsUnit>>> units_;
    std::array<std::int16_t, 5> unitX_{};
    std::array<std::int16_t, 5> unitY_{};
    std::array<std::int32_t, 40> classTypes_{};
    Entries entries_;
};
