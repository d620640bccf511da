// The students as the screens see them: grid rows, detail grids and tips.
#include "students/roster/cls_mng_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/abilities.h"
#include "students/dissatisfaction.h"
#include "students/traits.h"

#include <vector>

using host::runtime::Collection;
using host::runtime::CStr;

namespace {

// The screens number abilities from 0; the records from 1.
std::int16_t abilityOf(std::int16_t n) {
    return host::runtime::saturate16(std::int64_t{n} + 1);
}

} // namespace

std::string clsMngStudent::GetCharaName(std::int32_t character) {
    switch (character) {
    case 1:
        return "王様";
    case 2:
        return "軍人";
    case 3:
        return "学者";
    case 4:
        return "職人";
    default:
        return "";
    }
}

std::int16_t clsMngStudent::GetDissatisfactionStage(std::int16_t dissatisfaction) {
    return dissatisfaction::stage(dissatisfaction);
}

Collection<clsGetGridData> clsMngStudent::GetStudentData() const {
    Collection<clsGetGridData> rows;
    for (const auto& student : students_) {
        clsGetGridData row = studentRow(*student, 9);
        row.Data(8, CStr(student->GetAbility(ability::kPhysical)));
        row.Data(9, mdlZRDFunc::GetCourseName(student->Course()));
        rows.add(std::move(row));
    }
    return rows;
}

Collection<clsGetGridData> clsMngStudent::GetNewComer() const {
    Collection<clsGetGridData> rows;
    for (const auto& student : newComers_) {
        clsGetGridData row;
        row.SetCols(5);
        row.Data(0, "0");
        row.Data(1, student->Name());
        row.Data(2, student->ComingFrom());
        row.Data(3, GetCharaName(student->Character()));
        row.Data(4, CStr(student->Age()));
        row.Data(5, CStr(student->GetAbility(ability::kPhysical)));
        rows.add(std::move(row));
    }
    return rows;
}

Collection<clsGetGridData> clsMngStudent::GetGraduateData() const {
    Collection<clsGetGridData> rows;
    for (const clsGraduate& graduate : graduates_) {
        clsGetGridData row;
        row.SetCols(5);
        row.Data(0, mdlZRDFunc::GetCourseName(graduate.Course()));
        row.Data(1, graduate.Name());
        row.Data(2, CStr(graduate.Age()));
        row.Data(3, graduate.ComingFrom());
        row.Data(4, CStr(graduate.GraduateYear()) + "年");
        row.Data(5, CStr(graduate.GetAbility(ability::kPhysical)));
        rows.add(std::move(row));
    }
    return rows;
}

Collection<clsGetGridData> clsMngStudent::GetStudentChara() const {
    Collection<clsGetGridData> rows;
    for (const auto& student : students_) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, student->Name());
        row.Data(1, GetCharaName(student->Character()));
        rows.add(std::move(row), student->Name());
    }
    return rows;
}

Collection<clsGetGridData> clsMngStudent::GetStudentAbility(std::int16_t n) const {
    return abilityRows(students_, n);
}

Collection<clsGetGridData> clsMngStudent::GetNewStudnetAbility(std::int16_t n) const {
    return abilityRows(newComers_, n);
}

Collection<clsGetGridData> clsMngStudent::abilityRows(const StudentList& list, std::int16_t n) {
    const std::int16_t ability = abilityOf(n);
    Collection<clsGetGridData> rows;
    for (const auto& student : list) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, student->Name());
        row.Data(1, CStr(student->GetAbility(ability)));
        rows.add(std::move(row), student->Name());
    }
    return rows;
}

clsGetGridData clsMngStudent::GetStudentIndividual(const std::string& name, std::int16_t n) const {
    clsGetGridData row;
    if (name.empty()) return row;
    const clsStudent& student = *students_.item(name);
    row = studentRow(student, 8);
    row.Data(8, CStr(student.GetAbility(abilityOf(n))));
    return row;
}

clsGetGridData clsMngStudent::studentRow(const clsStudent& student, std::int16_t lastCell) {
    clsGetGridData row;
    row.SetCols(lastCell);
    row.Data(0, "0");
    row.Data(1, student.Name());
    row.Data(2, CStr(student.SchoolYear()));
    row.Data(3, CStr(student.Age()));
    row.Data(4, CStr(student.Physical()));
    row.Data(5, GetCharaName(student.Character()));
    row.Data(6, CStr(student.Condition()));
    row.Data(7, CStr(GetDissatisfactionStage(student.Dissatisfaction())));
    return row;
}

clsGetGridData clsMngStudent::GetGraduateDetail(const std::string& name) const {
    const clsGraduate& graduate = graduates_.item(name);
    clsGetGridData row;
    row.SetCols(ability::kCount - 1);
    for (std::int16_t n = 1; n <= ability::kCount; ++n)
        row.Data(static_cast<std::int16_t>(n - 1), CStr(graduate.GetAbility(n)));
    return row;
}

clsGetGridData clsMngStudent::GetStudentDetail(const std::string& name) const {
    if (name.empty()) return {};
    return students_.item(name)->GetAbilityDetail();
}

clsGetGridData clsMngStudent::GetNewComerDetail(const std::string& name) const {
    return newComers_.item(name)->GetAbilityDetail();
}

std::string clsMngStudent::GetStudentCourse(const std::string& name) const {
    if (name.empty()) return "";
    return mdlZRDFunc::GetCourseName(students_.item(name)->Course());
}

std::int16_t clsMngStudent::GetMemberNum() const {
    return host::runtime::saturate16(std::int64_t{students_.count()});
}

std::string clsMngStudent::GetStudentTips(const std::string& name, std::int16_t month, bool withYear) const {
    if (name.empty()) return "";
    const clsStudent& student = *students_.item(name);
    std::vector<std::string> lines;
    if (withYear) lines.push_back(CStr(student.SchoolYear()) + "年生");
    lines.push_back("出身:" + student.ComingFrom());

    std::vector<std::string> traits;
    for (std::int32_t n = 1; n <= trait::kCount; ++n) {
        if (!student.HoldSkill(n)) continue;
        std::string trait = mdlZRDFunc::GetCharacterName(static_cast<std::int16_t>(n));
        if (!trait.empty()) traits.push_back(std::move(trait));
    }
    if (traits.empty()) {
        lines.push_back("特に目立った特長はないようです");
    } else {
        lines.push_back("以下の特徴を持っているようです");
        lines.push_back(host::runtime::Join(traits, ","));
    }

    if (student.Injury() > 0) lines.push_back(CStr(student.Injury()) + "日間の怪我をしています");
    lines.push_back(mdlZRDFunc::GetGrowthTips(student.Growth()));
    lines.push_back(GetGrowthDetails(student.Growth(), student.Age(), month));
    return host::runtime::Join(lines, "\r\n");
}

std::string clsMngStudent::GetNewComerTips(const std::string& name, std::int16_t /*criticism*/) const {
    return mdlZRDFunc::GetGrowthTips(newComers_.item(name)->Growth());
}

std::string clsMngStudent::GetGrowthDetails(const std::string& growth, std::int16_t age,
                                            std::int16_t month) const {
    const std::int16_t value = GetGrowthValue(growth, age, month);
    if (value < 2) return "今は伸び悩んでいるようです";
    if (value <= 4) return "今は低迷しています";
    if (value <= 6) return "それなりに理解はしているようです";
    if (value <= 8) return "今が伸び盛りのようです";
    return "あらゆることを吸収しています";
}

void clsMngStudent::UseConsumeItem(const std::string& name, const clsUseConsumeItem& item) {
    if (name.empty()) return;
    makeCurrent(*students_.item(name));
    std::string message = name + "に" + item.ItemName() + "を使った";
    Report.raise(message);
    auto* entry = students_.find(name);
    if (!entry) return;
    (*entry)->UseConsumeItem(item);
}
