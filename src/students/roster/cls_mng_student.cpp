#include "students/roster/cls_mng_student.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "students/courses.h"

#include <utility>

namespace {

// The default lessons of periods 1..4 and their teachers.
struct DefaultLesson {
    const char* lesson;
    const char* teacher;
};
constexpr std::array<DefaultLesson, 4> kDefaultLessons = {{
    {"ウォーキング", "マリオン"},
    {"初等攻撃陣形", "ロスコウ"},
    {"走りこみ", "ロスコウ"},
    {"素振り", "マリオン"},
}};

// A graduate's points in the rank evaluation, by course.
std::int16_t rankUpPoints(std::int32_t course) {
    switch (course) {
    case course::kTactician:
        return 5;
    case course::kKnight:
        return 4;
    case course::kSoldierCaptain:
        return 2;
    case course::kSoldier:
        return 1;
    case course::kChancellor:
        return 20;
    case course::kPolitician:
        return 10;
    case course::kGeneral:
        return 12;
    case course::kKnightCommander:
        return 8;
    default:
        return 0;
    }
}

} // namespace

clsMngStudent::clsMngStudent() {
    for (std::int16_t day = 1; day <= clsMngSchedule::Weekdays; ++day) {
        for (std::int16_t period = 1; period <= clsMngSchedule::Periods; ++period) {
            auto slot = std::make_shared<clsClassSchedule>();
            slot->DayofWeek(day);
            slot->Number(period);
            slot->ClassType(clsClassSchedule::WholeClass);
            schedule_[static_cast<std::size_t>(slotIndex(day, period))] = std::move(slot);
        }
    }
    placeholder_ = attach(std::make_unique<clsStudent>());
    current_ = placeholder_.get();
    ClassInit();
}

std::int16_t clsMngStudent::RankUpCondition() const {
    std::int64_t sum = 0;
    for (const clsGraduate& graduate : graduates_)
        sum += rankUpPoints(graduate.Course());
    return host::runtime::saturate16(sum);
}

void clsMngStudent::SetDataInit() {
    for (clsUnitData& unit : units_)
        unit.Clear();
    ClearStudent();
    ClearGraduates();
    SetQuestClear();
    ClassInit();
}

void clsMngStudent::ClassInit() {
    for (std::int16_t day = 1; day <= clsMngSchedule::Weekdays; ++day) {
        for (std::int16_t period = 1; period <= static_cast<std::int16_t>(kDefaultLessons.size()); ++period) {
            clsClassSchedule& slot = schoolSlot(day, period);
            const DefaultLesson& lesson = kDefaultLessons[static_cast<std::size_t>(period - 1)];
            slot.ClassType(clsClassSchedule::WholeClass);
            slot.ClassName(lesson.lesson);
            slot.ClassTeacher(lesson.teacher);
            slot.UseItem("");
        }
    }
}

void clsMngStudent::SetQuestClear() {
    questTeams_.clear();
}

void clsMngStudent::AddNewStudent(std::unique_ptr<clsStudent> pStudent) {
    const std::string name = pStudent->Name();
    newComers_.add(attach(std::move(pStudent)), name);
}

host::runtime::Collection<std::string> clsMngStudent::GetALLStudentName() const {
    host::runtime::Collection<std::string> names;
    for (const auto& student : students_)
        names.add(student->Name());
    return names;
}

bool clsMngStudent::GetStudent(const std::string& pName, clsStudent*& pStudent) {
    if (pName.empty()) return false;
    auto* found = students_.find(pName);
    if (!found) return false;
    pStudent = found->get();
    return true;
}

void clsMngStudent::CreateStudent(const clsCreateStudentData& cData) {
    auto student = generator_.GetStudent(cData);
    for (const auto& slot : schedule_) {
        if (slot->ClassType() != clsClassSchedule::WholeClass) continue;
        auto own = std::make_shared<clsClassSchedule>();
        own->ClassName(slot->ClassName());
        own->ClassTeacher(slot->ClassTeacher());
        own->UseItem(slot->UseItem());
        student->SetClassSchedule(slot->DayofWeek(), slot->Number(), std::move(own));
    }
    AddNewStudent(std::move(student));
}

void clsMngStudent::SetNewStudent(const std::string& name) {
    auto& entry = newComers_.item(name);
    if (students_.contains(name))
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::DuplicateKey, "student " + name);
    auto student = std::move(entry);
    newComers_.remove(name);
    students_.add(std::move(student), name);
}

bool clsMngStudent::CheckStudentCount(bool WithoutInjury) const {
    for (const auto& student : students_)
        if (WithoutInjury || student->Injury() == 0) return true;
    return false;
}

bool clsMngStudent::DoubleName(const std::string& strName) const {
    if (strName.empty()) return true;
    return !students_.contains(strName) && !newComers_.contains(strName) && !graduates_.contains(strName);
}

void clsMngStudent::ClearNewComer() {
    current_ = placeholder_.get();
    newComers_.clear();
}

void clsMngStudent::ClearStudent() {
    current_ = placeholder_.get();
    students_.clear();
}

void clsMngStudent::ClearGraduates() {
    graduates_.clear();
}

void clsMngStudent::SetGrowth(std::string_view strData) {
    std::vector<clsGrowth> rows;
    for (const auto& line : host::runtime::Split(strData, "\r\n")) {
        if (line.empty()) continue;
        rows.emplace_back().SetData(line);
    }
    growth_.insert(growth_.end(), rows.begin(), rows.end());
}

int clsMngStudent::slotIndex(std::int16_t DayofWeek, std::int16_t Number) {
    if (DayofWeek < 1 || DayofWeek > clsMngSchedule::Weekdays || Number < 1 ||
        Number > clsMngSchedule::Periods)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "timetable slot " + std::to_string(DayofWeek) + "/" +
                                              std::to_string(Number));
    return (DayofWeek - 1) * clsMngSchedule::Periods + (Number - 1);
}

clsClassSchedule& clsMngStudent::schoolSlot(std::int16_t DayofWeek, std::int16_t Number) const {
    return *schedule_[static_cast<std::size_t>(slotIndex(DayofWeek, Number))];
}

void clsMngStudent::makeCurrent(clsStudent& student) {
    current_ = &student;
}

std::unique_ptr<clsStudent> clsMngStudent::attach(std::unique_ptr<clsStudent> student) {
    const clsStudent* self = student.get();
    student->Report.subscribe([this, self](std::string& message) {
        if (current_ == self) Report.raise(message);
    });
    return student;
}

std::int16_t clsMngStudent::GetGrowthValue(const std::string& growthType, std::int16_t age,
                                           std::int16_t month) const {
    for (const clsGrowth& row : growth_)
        if (row.GrowthType() == growthType && row.Age() == age) return row.Value(month);
    return 0;
}

std::vector<std::string> clsMngStudent::rosterNames() const {
    std::vector<std::string> names;
    for (const auto& student : students_)
        names.push_back(student->Name());
    return names;
}
