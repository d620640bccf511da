#include "students/lessons/cls_mng_class.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "students/abilities.h"

#include <array>
#include <string_view>

using host::runtime::Collection;

const std::string& clsMngClass::GetClassPlace(const std::string& name) const {
    return GetClass(name).Place();
}

std::int16_t clsMngClass::GetClassNeedAbility(const std::string& name) const {
    return GetClass(name).NeedPoint();
}

std::int16_t clsMngClass::GetClassTargetAbility(const std::string& name) const {
    return ability::lowestIn(GetClass(name).BigEffect());
}

std::int32_t clsMngClass::GetClassItemCheck(const std::string& name) const {
    return GetClass(name).UseItem();
}

bool clsMngClass::ClassItemCheck(const std::string& name, std::int32_t category) const {
    return GetClass(name).UseItem() == category;
}

Collection<clsGetGridData> clsMngClass::GetClassData(const Collection<clsGetGridData>& rows,
                                                     std::int32_t lessonType,
                                                     const Collection<std::string>& places) const {
    using host::runtime::CStr;
    Collection<clsGetGridData> result;
    for (const clsClass& lesson : classes_) {
        bool listed = false;
        for (const clsGetGridData& row : rows)
            listed = listed || row.Data(0) == lesson.Name();
        if (listed) continue;
        bool built = false;
        for (const std::string& place : places)
            built = built || place == lesson.Place();
        if (!built) continue;
        if (lessonType == 2 && !lesson.Individual()) continue;
        clsGetGridData row;
        row.SetCols(5);
        row.Data(0, "0");
        row.Data(1, lesson.Name());
        row.Data(2, GetTargetAbilityName(lesson.BigEffect()));
        row.Data(3, CStr(lesson.Physical()));
        row.Data(4, CStr(lesson.NeedPoint()));
        row.Data(5, GetDangerLabel(lesson.Strength()));
        result.add(std::move(row));
    }
    return result;
}

Collection<std::string> clsMngClass::GetConstructClass(const std::string& place) const {
    Collection<std::string> names;
    for (const clsClass& lesson : classes_)
        if (lesson.Place() == place) names.add(lesson.Name());
    return names;
}

Collection<std::string> clsMngClass::GetClassItemClass(std::int32_t category) const {
    Collection<std::string> names;
    for (const clsClass& lesson : classes_)
        if (lesson.UseItem() == category) names.add(lesson.Name());
    return names;
}

const clsClass& clsMngClass::GetClass(const std::string& name) const {
    return classes_.item(name);
}

void clsMngClass::SetData(std::string_view text) {
    for (const std::string& line : host::runtime::Split(text, "\r\n")) {
        if (line.empty()) continue;
        clsClass lesson;
        lesson.SetData(line);
        std::string key = lesson.Name();
        classes_.addNamed(std::move(lesson), std::move(key), "lesson");
    }
}

std::string clsMngClass::GetClassAbilityName(std::int32_t n) {
    static constexpr std::array<std::string_view, ability::kCount> names = {
        "体力", "筋力", "敏捷", "技術", "意志", "頑丈",     "魅力",     "運",       "礼儀",
        "歴史", "剣術", "槍術", "弓術", "馬術", "攻撃陣形", "防御陣形", "奇襲陣形",
    };
    if (n < 1 || n > ability::kCount) return "";
    return std::string(names[static_cast<std::size_t>(n - 1)]);
}

std::string clsMngClass::GetTargetAbilityName(std::int32_t bits) {
    return GetClassAbilityName(ability::lowestIn(bits));
}

std::string clsMngClass::GetDangerLabel(std::int16_t strength) {
    if (strength == 0) return "なし";
    if (strength < 8) return "低";
    if (strength < 15) return "中";
    return "大";
}
