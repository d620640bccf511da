#include "game_invariants.h"

#include "state/cls_data.h"
#include "students/abilities.h"

#include <set>

namespace monkeytest {

namespace {

constexpr std::int32_t kMoneyCap = 99'999'999;
constexpr std::int32_t kKingdomPointCap = 99'999;
constexpr int kAbilityCap = 100;
constexpr int kFormationAbilityCap = 25;
constexpr int kTeacherLimit = 10;
constexpr int kDaysInMonth = 28;
// The grid cells of a student's row that hold the asked ability, and of a
// teacher's row of the lesson pick list.
constexpr std::int16_t kAbilityCell = 8;
constexpr std::int16_t kLessonNameCell = 1;
constexpr std::int16_t kTeacherNameCell = 1;
// The pick lists of a timetable slot: lessons, then teachers.
constexpr std::int16_t kLessonList = 0;
constexpr std::int16_t kTeacherList = 1;
constexpr std::int32_t kGroupLessons = 1;

bool within(long long value, long long low, long long high) {
    return value >= low && value <= high;
}

long long number(const std::string& text) {
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        return used == text.size() ? value : -1;
    } catch (const std::exception&) {
        return -1;
    }
}

void checkRoster(const clsData& data, std::vector<std::string>& broken) {
    const clsGetGridData names = data.GetStudentName();
    std::set<std::string> seen;
    for (std::int16_t cell = 0; cell <= names.Cols(); ++cell) {
        const std::string name = names.Data(cell);
        if (name.empty()) continue;
        if (!seen.insert(name).second) broken.push_back("student " + name + " is on the roster twice");
        for (std::int16_t n = 0; n < ability::kCount; ++n) {
            const long long level = number(data.GetStudnetIndivisual(name, n).Data(kAbilityCell));
            const int cap = ability::isFormation(n + 1) ? kFormationAbilityCap : kAbilityCap;
            if (!within(level, 0, cap))
                broken.push_back("student " + name + " has ability " + std::to_string(n + 1) + " at " +
                                 std::to_string(level));
        }
    }
}

void checkTeachers(const clsData& data, std::vector<std::string>& broken) {
    const host::runtime::Collection<clsGetGridData> none;
    const auto lessons = data.GetClassData(kLessonList, kGroupLessons, none, "");
    if (!lessons || lessons->count() == 0) return;
    std::string lesson;
    for (const clsGetGridData& row : *lessons) {
        lesson = row.Data(kLessonNameCell);
        break;
    }
    const auto teachers = data.GetClassData(kTeacherList, kGroupLessons, none, lesson);
    if (!teachers) return;
    if (teachers->count() > kTeacherLimit)
        broken.push_back(std::to_string(teachers->count()) + " teachers under contract");
    std::set<std::string> seen;
    for (const clsGetGridData& row : *teachers)
        if (!seen.insert(row.Data(kTeacherNameCell)).second)
            broken.push_back("teacher " + row.Data(kTeacherNameCell) + " is under contract twice");
}

} // namespace

std::vector<std::string> brokenInvariants(const clsData& data, bool gameRunning) {
    std::vector<std::string> broken;
    if (!within(data.GetMoney(), 0, kMoneyCap)) broken.push_back("money " + std::to_string(data.GetMoney()));
    if (!within(data.GetKingdomPoint(), 0, kKingdomPointCap))
        broken.push_back("kingdom points " + std::to_string(data.GetKingdomPoint()));
    if (!gameRunning) return broken;
    const clsDateDetails date = data.GetDate();
    if (!within(date.Year, 1, 9999) || !within(date.Month, 1, 12) || !within(date.Day, 1, kDaysInMonth))
        broken.push_back("date " + std::to_string(date.Year) + ":" + std::to_string(date.Month) + ":" +
                         std::to_string(date.Day));
    checkRoster(data, broken);
    checkTeachers(data, broken);
    return broken;
}

} // namespace monkeytest
