#include "students/roster/cls_mng_student.h"

#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"

#include <array>

using mdlZRDFunc::RandomInt;

namespace {

constexpr double kGuidancePause = 500;

// Guidance groups of origins and of target courses.
using Groups = std::array<std::vector<std::string_view>, 3>;
const Groups kOriginGroups = {{
    {"騎士", "貴族", "王族"},
    {"兵士", "商人", "忍者", "学者"},
    {"農民", "旅人", "猟師", "技術者"},
}};
const Groups kTargetGroups = {{
    {"軍師", "騎士", "兵士長"},
    {"見習い剣士", "忍者", "商人", "学者", "遊び人", "兵士"},
    {"農民", "旅人", "猟師", "技術者", "冒険者"},
}};

// The group holding the text; -1 for none.
int groupOf(const Groups& groups, std::string_view text) {
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (std::string_view member : groups[g])
            if (member == text) return static_cast<int>(g);
    return -1;
}

// The chance of guidance by origin group (rows) and target group (columns).
constexpr std::array<std::array<std::int16_t, 3>, 3> kGuidanceChance = {{
    {75, 50, 20},
    {45, 80, 40},
    {35, 50, 80},
}};

} // namespace

host::runtime::Collection<clsGetGridData> clsMngStudent::courseRows(const clsCourse& course) {
    host::runtime::Collection<clsGetGridData> rows;
    for (const clsGetGridData& name : course.GetCourse()) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, "0");
        row.Data(1, name.Data(0));
        rows.add(std::move(row));
    }
    return rows;
}

bool clsMngStudent::CheckCourse(const std::string& name, std::int16_t schoolYears) const {
    if (name.empty()) return false;
    const clsStudent& student = *students_.item(name);
    return !student.CourseFLG() && (student.SchoolYear() >= schoolYears || student.Age() >= 20);
}

void clsMngStudent::SetCourse(const std::string& name, const std::string& courseName) {
    if (name.empty()) return;
    makeCurrent(*students_.item(name));
    std::string message = name + "に" + courseName + "を勧めています";
    Report.raise(message);
    for (const char* dots : {"…", "……", "………"}) {
        Services().WaitTime(kGuidancePause);
        if (!students_.contains(name)) return;
        std::string pause = dots;
        Report.raise(pause);
    }
    auto* entry = students_.find(name);
    if (!entry) return;
    clsStudent& student = **entry;
    if (RollCourseGuidance(student.ComingFrom(), courseName)) {
        student.SetCourseChange(course_.CourseChangeBit(courseName));
        Services().SoundPlay(sound_name::kChime);
        message = "進路指導に成功し、" + name + "は" + courseName + "に進路を変更しました";
    } else {
        student.SetCourseChange(0);
        Services().SoundPlay(sound_name::kBoo);
        message = "進路指導に失敗しました";
    }
    Report.raise(message);
    Services().WaitTime(kGuidancePause);
}

bool clsMngStudent::RollCourseGuidance(const std::string& origin, const std::string& target) const {
    if (target == origin) return true;
    const int from = groupOf(kOriginGroups, origin), to = groupOf(kTargetGroups, target);
    if (from < 0 || to < 0) return false;
    return RandomInt(0, 100) < kGuidanceChance[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
}

void clsMngStudent::Withdrawal() {
    for (const auto& name : rosterNames()) {
        const auto* entry = students_.find(name);
        if (!entry) continue;
        const std::int16_t d = (*entry)->Dissatisfaction();
        if (d <= 50) continue;
        bool leaves = false;
        if (d >= 90)
            leaves = RandomInt(0, 100) > 75;
        else if (d >= 75)
            leaves = RandomInt(0, 100) > 90;
        std::string message;
        if (leaves) {
            current_ = placeholder_.get();
            students_.remove(name);
            message = name + "が退学しました";
        } else {
            message = name + "の不満が高まっています";
        }
        Report.raise(message);
    }
}
