#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"
#include "students/lessons/cls_class.h"

#include <cstdint>
#include <string>
#include <string_view>

// The lesson catalogue, keyed by lesson name in master order. A lookup of a
// lesson that is not there raises the collection's missing-key error.
class clsMngClass {
  public:
    clsMngClass() = default;
    clsMngClass(const clsMngClass&) = delete;
    clsMngClass& operator=(const clsMngClass&) = delete;

    bool HasClass(const std::string& name) const { return classes_.contains(name); }
    const std::string& GetClassPlace(const std::string& name) const;
    std::int16_t GetClassNeedAbility(const std::string& name) const;
    // The lowest ability 1..17 the lesson mainly trains; 0 when none.
    std::int16_t GetClassTargetAbility(const std::string& name) const;
    std::int32_t GetClassItemCheck(const std::string& name) const;
    bool ClassItemCheck(const std::string& name, std::int32_t category) const;
    // The bookable lessons: not named in cell 0 of any of rows, held in one of
    // places and, for lessonType 2, given individually. Cells: "0", name,
    // target ability, Physical, NeedPoint, danger label.
    host::runtime::Collection<clsGetGridData>
    GetClassData(const host::runtime::Collection<clsGetGridData>& rows, std::int32_t lessonType,
                 const host::runtime::Collection<std::string>& places) const;
    // The lessons held in that facility, in catalogue order.
    host::runtime::Collection<std::string> GetConstructClass(const std::string& place) const;
    // The lessons that use class items of that category, in catalogue order.
    host::runtime::Collection<std::string> GetClassItemClass(std::int32_t category) const;
    const clsClass& GetClass(const std::string& name) const;
    // One lesson per CR LF line; empty lines are skipped. A repeated name
    // raises the duplicate-key error; rows loaded before an error stay.
    void SetData(std::string_view text);

    // --- The catalogue browser (cls_mng_class.browser.cpp): the whole lesson catalogue as loaded, one
    // column record per column and one row per master row; reads only.
    host::runtime::Collection<clsGetGridData> GetGameDataHeader() const;
    host::runtime::Collection<clsGetGridData> GetGameData() const;

  private:
    // The lesson-item category word of the browser; "" for an unknown code.
    static std::string GetClassItemCategoryLabel(std::int32_t category);
    static std::string GetClassAbilityName(std::int32_t n);
    static std::string GetTargetAbilityName(std::int32_t bits);
    static std::string GetDangerLabel(std::int16_t strength);

    host::runtime::Collection<clsClass> classes_;
};
