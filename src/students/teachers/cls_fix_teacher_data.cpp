#include "students/teachers/cls_fix_teacher_data.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "students/lessons/cls_class_schedule.h"

#include <string>

namespace {

host::runtime::RuntimeError subscriptError(const std::string& what) {
    return host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange, what);
}

std::size_t checkedIndex(std::int32_t index, int last, const char* what) {
    if (index < 0 || index > last) throw subscriptError(std::string(what) + " " + std::to_string(index));
    return static_cast<std::size_t>(index);
}

// Line k fills row k + 1; field 0 is a label, fields 1.. fill columns 1..
template <std::size_t Columns>
void fillTable(std::string_view text, std::array<std::array<std::int16_t, Columns>, 5>& table) {
    const auto lines = host::runtime::Split(text, "\r\n");
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const auto fields = host::runtime::Split(lines[k], ",");
        for (std::size_t column = 1; column < fields.size(); ++column) {
            if (k + 1 >= table.size()) throw subscriptError("compatibility row " + std::to_string(k + 1));
            if (column >= Columns) throw subscriptError("compatibility column " + std::to_string(column));
            table[k + 1][column] = host::runtime::CInt(std::string_view(fields[column]));
        }
    }
}

} // namespace

std::int16_t clsFixTeacherData::GetTeacherEffect(const clsGetTeacherEffect& cGetTEffect) const {
    const std::size_t student = checkedIndex(cGetTEffect.StudentChara(), Characters, "student character");
    const std::size_t teacher = checkedIndex(cGetTEffect.TeacherChara(), Characters, "teacher character");
    return host::runtime::saturate16(std::int64_t{chara_[student][teacher]} + GetTeacherPolicy(cGetTEffect));
}

std::int16_t clsFixTeacherData::GetTeacherPolicy(const clsGetTeacherEffect& cGetTEffect) const {
    const std::size_t student = checkedIndex(cGetTEffect.StudentChara(), Characters, "student character");
    const std::size_t policy = checkedIndex(cGetTEffect.TeacherPolicy(), Policies, "teacher policy");
    return policyTableFor(cGetTEffect.ClassType())[student][policy];
}

void clsFixTeacherData::SetData(std::string_view text) {
    const auto parts = host::runtime::Split(text, ";", 3);
    const auto part = [&](std::size_t i) { return i < parts.size() ? std::string_view(parts[i]) : ""; };
    CharaTable chara = chara_;
    PolicyTable individualPolicy = individualPolicy_, policy = policy_;
    fillTable(part(0), chara);
    fillTable(part(1), individualPolicy);
    fillTable(part(2), policy);
    chara_ = chara;
    individualPolicy_ = individualPolicy;
    policy_ = policy;
}

const clsFixTeacherData::PolicyTable& clsFixTeacherData::policyTableFor(std::int32_t classType) const {
    return classType == clsClassSchedule::Individual ? individualPolicy_ : policy_;
}
