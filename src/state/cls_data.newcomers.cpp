#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "students/newcomers/cls_create_student_data.h"

#include <optional>

namespace {

// Random draws of a newcomer's name before the free names are taken in list order.
constexpr int kNameDraws = 100;

} // namespace

void clsData::CreateStudent() {
    clsCreateStudentData record;
    record.SchoolYear(cSystem->GetSchoolYear());
    record.Scout(cMngScout->GetScout());
    record.MiddlePlaceFLG(cSystem->GetMiddlePlaceFLG());
    record.HiPlaceFLG(cSystem->GetHiPlaceFLG());
    const std::int16_t count = record.GetNumber();
    for (std::int16_t n = 0; n < count; ++n) {
        std::optional<std::string> name = freeStudentName();
        // Every name is taken: fewer newcomers this month.
        if (!name) return;
        record.StudentName(std::move(*name));
        cMngStudent->CreateStudent(record);
    }
}

std::optional<std::string> clsData::freeStudentName() {
    const std::vector<std::string>& names = cSystem->studentNames();
    if (names.empty()) return std::nullopt;
    for (int attempt = 0; attempt < kNameDraws; ++attempt) {
        std::string name = cSystem->GetName();
        if (cMngStudent->DoubleName(name)) return name;
    }
    for (const std::string& name : names)
        if (cMngStudent->DoubleName(name)) return name;
    return std::nullopt;
}
