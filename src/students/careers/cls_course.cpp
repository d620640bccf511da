#include "students/careers/cls_course.h"

#include "platform/rules/mdl_zrd_func.h"
#include "students/abilities.h"
#include "students/courses.h"

#include <algorithm>
#include <array>
#include <initializer_list>

using mdlZRDFunc::RandomInt;

namespace {

using namespace ability;

// One condition of a rule: every listed ability on its own, or their sum,
// reaches the minimum.
struct Need {
    std::vector<std::int16_t> abilities;
    std::int16_t minimum;
    bool sum = false;
};
using Rule = std::vector<Need>;

Need each(std::initializer_list<std::int16_t> abilities, std::int16_t minimum) {
    return {abilities, minimum, false};
}
Need fourWeapons(std::int16_t minimum) {
    return {{kFencing, kSpearmanship, kToxophily, kHorsemanship}, minimum, true};
}
Need threeWeapons(std::int16_t minimum) {
    return {{kFencing, kSpearmanship, kToxophily}, minimum, true};
}
Need formations(std::int16_t minimum) {
    return {{kAggressive, kProtect, kSurprise}, minimum, true};
}

template <class Person> bool meets(const Rule& rule, const Person& person) {
    for (const Need& need : rule) {
        std::int64_t total = 0;
        for (std::int16_t a : need.abilities) {
            const std::int16_t level = person.GetAbility(a);
            if (!need.sum && level < need.minimum) return false;
            total += level;
        }
        if (need.sum && total < need.minimum) return false;
    }
    return true;
}

const std::array<const char*, clsCourse::GuidanceCourses> kGuidanceNames = {
    "軍師", "騎士", "兵士長", "兵士",   "見習い剣士", "遊び人", "忍者",
    "商人", "旅人", "冒険者", "技術者", "農民",       "学者",   "猟師",
};

// Courses 1..14: the ability part, and the origins that admit on their own.
struct Graduation {
    Rule abilities;
    std::vector<std::string_view> origins;
};

const std::array<Graduation, clsCourse::GuidanceCourses> kGraduation = {{
    {{each({kIntention, kCharm, kPropriety, kHistory}, 50), fourWeapons(150), formations(45)},
     {"貴族", "王族"}},
    {{each({kPhysical, kMuscle, kToughness}, 50), fourWeapons(250), formations(30)},
     {"騎士", "貴族", "王族"}},
    {{each({kPhysical, kMuscle, kToughness}, 30), fourWeapons(100), formations(20)},
     {"騎士", "貴族", "王族"}},
    {{each({kPhysical, kMuscle, kToughness}, 20), fourWeapons(50)}, {"兵士", "騎士", "貴族", "王族"}},
    {{each({kPhysical, kMuscle, kFencing}, 15)}, {"兵士"}},
    {{each({kIntention, kLuck}, 15)}, {}},
    {{each({kQuickness, kTechnique, kIntention}, 20)}, {"忍者"}},
    {{each({kIntention, kPropriety}, 10)}, {"商人"}},
    {{each({kPhysical, kToughness}, 10)}, {"旅人"}},
    {{each({kMuscle, kFencing}, 10)}, {}},
    {{each({kTechnique}, 20)}, {"技術者"}},
    {{each({kPhysical, kMuscle}, 10)}, {"農民"}},
    {{each({kHistory}, 25)}, {"学者"}},
    {{each({kTechnique, kToxophily}, 10)}, {"猟師"}},
}};

// Change rules of the courses only careers reach, 16..28. A merchant's rise to
// 大商人 (23) asks for Intention and Propriety 35, Charm and Luck 20.
const std::array<Rule, course::kCount - course::kFirstCareerOnly + 1> kCareerRules = {{
    /* 16 */ {each({kIntention, kCharm, kPropriety, kHistory}, 90), each({kLuck}, 80)},
    /* 17 */ {each({kIntention, kCharm, kPropriety, kHistory}, 75), each({kLuck}, 60)},
    /* 18 */ {each({kPropriety, kHistory}, 75), each({kIntention, kCharm}, 50)},
    /* 19 */ {each({kIntention, kLuck}, 40), each({kTechnique, kCharm}, 30)},
    /* 20 */ {each({kIntention, kLuck}, 80), each({kTechnique, kCharm}, 60)},
    /* 21 */ {each({kQuickness, kTechnique, kIntention}, 45), threeWeapons(120)},
    /* 22 */ {each({kQuickness, kTechnique, kIntention}, 80), threeWeapons(240)},
    /* 23 */ {each({kIntention, kPropriety}, 35), each({kCharm, kLuck}, 20)},
    /* 24 */ {each({kIntention, kCharm, kLuck}, 50), each({kPropriety}, 35)},
    /* 25 */ {each({kTechnique}, 35), threeWeapons(75)},
    /* 26 */ {each({kIntention}, 40), each({kTechnique}, 65), threeWeapons(180)},
    /* 27 */ {each({kPhysical, kMuscle}, 35), each({kToughness, kCharm}, 20)},
    /* 28 */
    {each({kPhysical, kMuscle, kToughness}, 70), each({kPropriety, kHistory}, 50), fourWeapons(300),
     formations(40)},
}};

// The next course of each course 1..28; 9 and 10 depend on the draw.
constexpr std::array<std::int32_t, course::kCount> kNextCourse = {
    17, 28, 2, 3, 4, 19, 21, 23, 0, 0, 25, 27, 1, 10, 0, 0, 16, 0, 20, 0, 22, 0, 24, 0, 26, 0, 24, 18,
};

} // namespace

clsCourse::clsCourse() : names_(kGuidanceNames.begin(), kGuidanceNames.end()) {}

std::int32_t clsCourse::CourseChangeBit(std::string_view courseName) const {
    const auto it = std::find(names_.begin(), names_.end(), courseName);
    return it == names_.end() ? 0 : static_cast<std::int32_t>(it - names_.begin()) + 1;
}

host::runtime::Collection<clsGetGridData> clsCourse::GetCourse() const {
    host::runtime::Collection<clsGetGridData> rows;
    for (const std::string& name : names_) {
        clsGetGridData row;
        row.SetCols(0);
        row.Data(0, name);
        rows.add(std::move(row));
    }
    return rows;
}

bool clsCourse::DecideChange(const clsGraduate& graduate, std::int32_t& target) const {
    if (!graduate.Change() || !IsChangeableCourse(graduate.Course())) return false;
    if (RandomInt(0, 100) >= 20) return false;
    target = GetNextCourse(graduate.Course());
    return true;
}

bool clsCourse::ChangeCourse(const clsGraduate& graduate, std::int32_t target) const {
    if (target >= 1 && target <= GuidanceCourses)
        return meets(kGraduation[static_cast<std::size_t>(target - 1)].abilities, graduate);
    if (target >= course::kFirstCareerOnly && target <= course::kCount)
        return meets(kCareerRules[static_cast<std::size_t>(target - course::kFirstCareerOnly)], graduate);
    return false;
}

bool clsCourse::EnableCourse(const clsStudent& student) const {
    const std::int32_t course = student.Course();
    if (course < 1 || course > GuidanceCourses) return false;
    const Graduation& rule = kGraduation[static_cast<std::size_t>(course - 1)];
    if (meets(rule.abilities, student)) return true;
    return std::find(rule.origins.begin(), rule.origins.end(), student.ComingFrom()) != rule.origins.end();
}

std::int32_t clsCourse::GetNextCourse(std::int32_t course) {
    const std::int16_t r = RandomInt(0, 100);
    if (course == course::kTraveller) return r < 50 ? course::kMerchant : course::kApprenticeSoldier;
    if (course == course::kAdventurer)
        return r < 40 ? course::kMerchant : r < 98 ? course::kSoldier : course::kKnight;
    if (course < 1 || course > course::kCount) return 0;
    return kNextCourse[static_cast<std::size_t>(course - 1)];
}

bool clsCourse::IsChangeableCourse(std::int32_t course) {
    switch (course) {
    case course::kChancellor:
    case course::kGeneral:
    case course::kSage:
    case course::kJonin:
    case course::kMagnate:
    case course::kArtisan:
        return false;
    default:
        return true;
    }
}
