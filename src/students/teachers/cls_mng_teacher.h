#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "host/runtime/saturate.h"
#include "platform/records/cls_get_grid_data.h"
#include "platform/records/cls_passage_data.h"
#include "students/teachers/cls_teacher_data.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The school's teachers: the catalogue, this month's offers, the teachers
// under contract with their age, years left and dissatisfaction, and what
// happens to them over time (monthly offers, the April passage, the load of
// a lesson day, rest, bonuses and resignation).
class clsMngTeacher {
  public:
    static constexpr std::int16_t MaxTeachers = 10;

    // A message for the turn-end report.
    host::runtime::Event<std::string> Report;

    clsMngTeacher();
    clsMngTeacher(const clsMngTeacher&) = delete;
    clsMngTeacher& operator=(const clsMngTeacher&) = delete;

    // Empties the offers and the contracts; catalogue and bonus table stay.
    void SetDataInit();
    // "offers/contracts", each one "name:age:period:dissatisfaction" per CR LF
    // line. Offers keep name and age only. A text that does not load fails
    // with the runtime's error and changes nothing.
    void SetSaveData(std::string_view text);
    std::string GetSaveData() const;

    // Lowers a contracted teacher's dissatisfaction by the bonus of the
    // effect word ("極小" .. "極大"; any other word changes nothing) and
    // returns the new stage 0..4.
    std::int16_t SetTeacherBonus(const std::string& name, const std::string& word);
    // Five rows: "0", cost, effect word.
    const host::runtime::Collection<clsGetGridData>& GetBonusData() const { return bonus_; }
    // The monthly check: dissatisfied teachers are warned or resign.
    void Retirement();
    // Daily rest: 8 with the faculty office, otherwise 2.
    void TeacherHealing(bool hasFacultyOffice);
    // The load of a lesson day: rows of contracted name and periods given.
    void SetTeacherDissatisfaction(const host::runtime::Collection<clsGetGridData>& rows);
    // One row per contracted teacher keyed by name: name, "0".
    host::runtime::Collection<clsGetGridData> GetTeacherDissatisfaction() const;

    bool CheckContractTeacher(const std::string& name) const;
    // True when more teachers are contracted than rows are given.
    bool CheckClassTeacher(const host::runtime::Collection<clsGetGridData>& rows) const;
    // Contracted teachers not named in cell 0 of any row: "0", name,
    // character word, policy word, level in the ability (1..17).
    host::runtime::Collection<clsGetGridData>
    GetClassTeacherData(const host::runtime::Collection<clsGetGridData>& rows, std::int16_t ability) const;

    std::string GetNewComerTips(const std::string& name) const { return GetSkillTips(name); }
    std::string GetContractTeacherTips(const std::string& name) const { return GetSkillTips(name); }
    std::string GetMenuNewComerTips() const;
    // Rows keyed by name: name, level in ability n + 1.
    host::runtime::Collection<clsGetGridData> GetNewComerTeacherAbility(std::int16_t n) const;
    host::runtime::Collection<clsGetGridData> GetContractTeacherAbility(std::int16_t n) const;

    // Salary × contract years of the catalogue row.
    std::int32_t GetContractMoney(const std::string& name) const;
    // True while another teacher may be contracted.
    bool CheckIsMaxTeacher() const { return contracts_.count() < MaxTeachers; }
    std::int16_t GetContractTeacherCount() const {
        return host::runtime::saturate16(std::int64_t{contracts_.count()});
    }
    bool CheckIsMinTeacher() const { return !catalogue_.empty(); }
    bool CheckNewTeacher() const { return !offers_.empty(); }

    // Ends a contract; no money moves.
    void SetCanceled(const std::string& name);
    // Contracts an offered teacher for the catalogue period at the offered age.
    void SetContract(const std::string& name);
    // Renews a contract for the catalogue period.
    void SetContractContinue(const std::string& name);
    const host::runtime::Collection<clsPassageData>& GetContractTeacherName() const { return contracts_; }
    host::runtime::Collection<clsGetGridData> GetContractTeacher() const;
    host::runtime::Collection<clsGetGridData> GetNewComer() const;
    void NewComerClear() { offers_.clear(); }
    void ContractClear() { contracts_.clear(); }
    // The monthly offers; in April the contracts pass a year first.
    void SetNewComer(bool isApril);

    const clsTeacherData& GetTeacher(const std::string& name) const { return catalogue_.item(name); }
    clsGetGridData GetTeacherDataDetail(const std::string& name) const {
        return GetTeacher(name).GetDataDetail();
    }
    clsGetGridData GetNewComerTeacherDataDetail(const std::string& name) const {
        return GetTeacher(name).GetDataDetail();
    }
    // One teacher per CR LF line; empty lines are skipped. A bad row or a
    // repeated name fails with the runtime's error; rows before it stay.
    void SetTeacherData(std::string_view text);
    // シオドア (32), マリオン (54) and ロスコウ (57) under contract.
    void SetInitTeacher();

    // --- The catalogue browser (cls_mng_teacher.browser.cpp): the whole teacher catalogue as loaded, one
    // column record per column and one row per master row; reads only.
    host::runtime::Collection<clsGetGridData> GetGameDataHeader() const;
    host::runtime::Collection<clsGetGridData> GetGameData() const;

  private:
    enum class Change { Add = 1, Subtract = 2 };

    void InitBonusTable();
    static void ChangeDissatisfaction(clsPassageData& entry, Change mode, std::int64_t amount);
    void YearlyContractPassage();
    std::string GetSkillTips(const std::string& name) const;
    static std::string GetCharaName(std::int32_t character);
    static std::string GetPolicyName(std::int32_t policy);
    bool IsFreeContractName(const std::string& name) const { return !contracts_.contains(name); }
    bool IsFreeNewComerName(const std::string& name) const { return !offers_.contains(name); }
    // The contracted names, for passes that report as they go.
    std::vector<std::string> contractNames() const;
    void addOffer(const std::string& name, std::int16_t age);
    void say(std::string text);
    host::runtime::Collection<clsGetGridData>
    abilityRows(const host::runtime::Collection<clsPassageData>& list, std::int16_t n) const;
    clsGetGridData gridRow(const clsTeacherData& teacher, std::int16_t age, std::int16_t period,
                           const std::string& stage) const;

    host::runtime::Collection<clsTeacherData> catalogue_;
    host::runtime::Collection<clsPassageData> offers_;
    host::runtime::Collection<clsPassageData> contracts_;
    host::runtime::Collection<clsGetGridData> bonus_;
};
