// The teachers as the screens see them: grid rows, tips and words.
#include "students/teachers/cls_mng_teacher.h"

#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/dissatisfaction.h"

#include <vector>

using host::runtime::Collection;
using host::runtime::CStr;

namespace {

bool isListed(const Collection<clsGetGridData>& rows, const std::string& name) {
    for (const clsGetGridData& row : rows)
        if (row.Data(0) == name) return true;
    return false;
}

} // namespace

bool clsMngTeacher::CheckContractTeacher(const std::string& name) const {
    return !name.empty() && contracts_.contains(name);
}

bool clsMngTeacher::CheckClassTeacher(const Collection<clsGetGridData>& rows) const {
    return contracts_.count() > rows.count();
}

Collection<clsGetGridData> clsMngTeacher::GetClassTeacherData(const Collection<clsGetGridData>& rows,
                                                              std::int16_t ability) const {
    Collection<clsGetGridData> result;
    for (const clsPassageData& entry : contracts_) {
        if (isListed(rows, entry.Name())) continue;
        const clsTeacherData& teacher = GetTeacher(entry.Name());
        clsGetGridData row;
        row.SetCols(4);
        row.Data(0, "0");
        row.Data(1, entry.Name());
        row.Data(2, GetCharaName(teacher.Character()));
        row.Data(3, GetPolicyName(teacher.Policy()));
        row.Data(4, CStr(teacher.GetAbility(ability)));
        result.add(std::move(row));
    }
    return result;
}

std::string clsMngTeacher::GetMenuNewComerTips() const {
    return "教師契約数:" + CStr(GetContractTeacherCount()) + "人\r\n" +
           "教師最大契約数:" + CStr(MaxTeachers) + "人";
}

Collection<clsGetGridData> clsMngTeacher::GetNewComerTeacherAbility(std::int16_t n) const {
    return abilityRows(offers_, n);
}

Collection<clsGetGridData> clsMngTeacher::GetContractTeacherAbility(std::int16_t n) const {
    return abilityRows(contracts_, n);
}

Collection<clsGetGridData> clsMngTeacher::abilityRows(const Collection<clsPassageData>& list,
                                                      std::int16_t n) const {
    const std::int16_t ability = host::runtime::saturate16(std::int64_t{n} + 1);
    Collection<clsGetGridData> rows;
    for (const clsPassageData& entry : list) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, entry.Name());
        row.Data(1, CStr(GetTeacher(entry.Name()).GetAbility(ability)));
        rows.add(std::move(row), entry.Name());
    }
    return rows;
}

Collection<clsGetGridData> clsMngTeacher::GetContractTeacher() const {
    Collection<clsGetGridData> rows;
    for (const clsPassageData& entry : contracts_)
        rows.add(gridRow(GetTeacher(entry.Name()), entry.Age(), entry.Period(),
                         CStr(dissatisfaction::stage(entry.Dissatisfaction()))));
    return rows;
}

Collection<clsGetGridData> clsMngTeacher::GetNewComer() const {
    Collection<clsGetGridData> rows;
    for (const clsPassageData& entry : offers_) {
        const clsTeacherData& teacher = GetTeacher(entry.Name());
        rows.add(gridRow(teacher, entry.Age(), teacher.Period(), "0"));
    }
    return rows;
}

clsGetGridData clsMngTeacher::gridRow(const clsTeacherData& teacher, std::int16_t age, std::int16_t period,
                                      const std::string& stage) const {
    clsGetGridData row;
    row.SetCols(8);
    row.Data(0, "0");
    row.Data(1, teacher.Name());
    row.Data(2, GetCharaName(teacher.Character()));
    row.Data(3, GetPolicyName(teacher.Policy()));
    row.Data(4, CStr(age));
    row.Data(5, CStr(period));
    row.Data(6, CStr(teacher.Salary()));
    row.Data(7, stage);
    row.Data(8, CStr(teacher.Physical()));
    return row;
}

std::string clsMngTeacher::GetSkillTips(const std::string& name) const {
    const clsTeacherData& teacher = GetTeacher(name);
    std::vector<std::string> titles;
    for (std::int16_t skill = 1; skill <= clsTeacherData::SkillCount; ++skill)
        if (teacher.HoldSkill(skill)) titles.push_back(mdlZRDFunc::GetTeacherSkillName(skill));
    if (titles.empty()) return "特殊スキルは持っていないようです";
    return "以下のスキルを持っているようです\r\n" + host::runtime::Join(titles, "\r\n");
}

std::string clsMngTeacher::GetCharaName(std::int32_t character) {
    switch (character) {
    case 1:
        return "思考";
    case 2:
        return "感情";
    case 3:
        return "直感";
    case 4:
        return "感覚";
    default:
        return "";
    }
}

std::string clsMngTeacher::GetPolicyName(std::int32_t policy) {
    switch (policy) {
    case 1:
        return "管理";
    case 2:
        return "放任";
    case 3:
        return "個別";
    case 4:
        return "革新";
    case 5:
        return "のんびり";
    case 6:
        return "詰め込み";
    default:
        return "";
    }
}
