#include "students/roster/cls_mng_student.h"

#include "host/runtime/rounding.h"
#include "host/runtime/saturate.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"
#include "school/system/cls_sponsor_condition.h"
#include "students/abilities.h"
#include "students/courses.h"

#include <array>
#include <optional>

using host::runtime::IntDiv;
using host::runtime::saturate16;
using mdlZRDFunc::GetCourseName;
using mdlZRDFunc::RandomInt;

namespace {

// The percentage of the monthly contact roll, by course 1..28.
constexpr std::array<std::int16_t, course::kCount> kContactRisk = {
    3, 8, 12, 16, 14, 24, 18, 3, 7, 11, 2, 2, 1, 6, 0, 2, 2, 4, 10, 3, 13, 7, 6, 5, 2, 2, 2, 6,
};

std::int16_t contactRisk(std::int32_t course) {
    if (course < 1 || course > static_cast<std::int32_t>(kContactRisk.size())) return 0;
    return kContactRisk[static_cast<std::size_t>(course - 1)];
}

// The monthly contact roll: the Luck roll, then the age roll, always drawn.
bool losesContact(const clsGraduate& graduate) {
    const std::int16_t luck = graduate.GetAbility(ability::kLuck);
    bool lost = false;
    if (RandomInt(0, 100) <= contactRisk(graduate.Course())) {
        lost = luck < RandomInt(0, 101);
    }
    const std::int16_t r3 = RandomInt(0, 100);
    const std::int16_t age = graduate.Age();
    if (age >= 60) return true;
    if (age >= 50) return lost || r3 < 60 - IntDiv(luck, 400);
    if (age >= 40) return lost || r3 < 40 - IntDiv(luck, 300);
    if (age >= 30) return lost || r3 < 20 - IntDiv(luck, 125);
    return lost;
}

clsGraduate graduateOf(const clsStudent& student, std::int16_t year) {
    clsGraduate graduate;
    graduate.Name(student.Name());
    graduate.Age(student.Age());
    graduate.Character(student.Character());
    graduate.ComingFrom(student.ComingFrom());
    graduate.Course(student.Course());
    graduate.GraduateYear(year);
    for (std::int16_t k = 1; k <= ability::kCount; ++k) {
        graduate.SetNatureAbility(k, student.GetNatureAbility(k));
        graduate.SetPresentAbility(k, student.GetAbility(k));
    }
    return graduate;
}

enum class Line {
    LineLeader,
    Knight,
    Soldier,
    Gambler,
    Ninja,
    Merchant,
    Traverer,
    Adventurer,
    Engineer,
    Scholar,
    Hunter
};

struct SponsorWeight {
    Line line;
    std::int16_t points;
};

std::optional<SponsorWeight> sponsorWeight(std::int32_t course) {
    switch (course) {
    case course::kTactician:
        return SponsorWeight{Line::LineLeader, 6};
    case course::kChancellor:
        return SponsorWeight{Line::LineLeader, 18};
    case course::kPolitician:
        return SponsorWeight{Line::LineLeader, 9};
    case course::kKnight:
        return SponsorWeight{Line::Knight, 5};
    case course::kGeneral:
        return SponsorWeight{Line::Knight, 10};
    case course::kKnightCommander:
        return SponsorWeight{Line::Knight, 7};
    case course::kSoldierCaptain:
        return SponsorWeight{Line::Soldier, 2};
    case course::kSoldier:
        return SponsorWeight{Line::Soldier, 1};
    case course::kIdler:
        return SponsorWeight{Line::Gambler, 1};
    case course::kAstrologer:
        return SponsorWeight{Line::Gambler, 4};
    case course::kSage:
        return SponsorWeight{Line::Gambler, 10};
    case course::kNinja:
        return SponsorWeight{Line::Ninja, 1};
    case course::kChunin:
        return SponsorWeight{Line::Ninja, 4};
    case course::kJonin:
        return SponsorWeight{Line::Ninja, 10};
    case course::kMerchant:
        return SponsorWeight{Line::Merchant, 1};
    case course::kGreatMerchant:
        return SponsorWeight{Line::Merchant, 3};
    case course::kMagnate:
        return SponsorWeight{Line::Merchant, 7};
    case course::kTraveller:
        return SponsorWeight{Line::Traverer, 1};
    case course::kAdventurer:
        return SponsorWeight{Line::Adventurer, 1};
    case course::kEngineer:
        return SponsorWeight{Line::Engineer, 1};
    case course::kMaster:
        return SponsorWeight{Line::Engineer, 5};
    case course::kArtisan:
        return SponsorWeight{Line::Engineer, 30};
    case course::kScholar:
        return SponsorWeight{Line::Scholar, 1};
    case course::kHunter:
        return SponsorWeight{Line::Hunter, 1};
    default:
        return std::nullopt;
    }
}

// Adds to one career line, held at the 16-bit range.
void addPoints(clsSponsorCondition& c, SponsorWeight w) {
    auto plus = [&](std::int64_t now) { return saturate16(now + w.points); };
    switch (w.line) {
    case Line::LineLeader:
        c.LineLeader(plus(c.LineLeader()));
        break;
    case Line::Knight:
        c.Knight(plus(c.Knight()));
        break;
    case Line::Soldier:
        c.Soldier(plus(c.Soldier()));
        break;
    case Line::Gambler:
        c.Gambler(plus(c.Gambler()));
        break;
    case Line::Ninja:
        c.Ninja(plus(c.Ninja()));
        break;
    case Line::Merchant:
        c.Merchant(plus(c.Merchant()));
        break;
    case Line::Traverer:
        c.Traverer(plus(c.Traverer()));
        break;
    case Line::Adventurer:
        c.Adventurer(plus(c.Adventurer()));
        break;
    case Line::Engineer:
        c.Engineer(plus(c.Engineer()));
        break;
    case Line::Scholar:
        c.Scholar(plus(c.Scholar()));
        break;
    case Line::Hunter:
        c.Hunter(plus(c.Hunter()));
        break;
    }
}

} // namespace

void clsMngStudent::Graduate(std::int16_t schoolYears, std::int16_t year) {
    for (const auto& name : rosterNames()) {
        auto* entry = students_.find(name);
        if (!entry) continue;
        clsStudent& student = **entry;
        if (student.SchoolYear() < schoolYears && student.Age() < 20) {
            student.ForwordYear();
            continue;
        }
        const bool admitted = course_.EnableCourse(student);
        const std::string courseName = GetCourseName(student.Course());
        if (admitted) graduates_.add(graduateOf(student, year), name);
        current_ = placeholder_.get();
        students_.remove(name);

        std::string message = name + "が卒業しました";
        Report.raise(message);
        if (admitted) {
            message = name + "は" + courseName + "に就職しました";
        } else {
            Services().SoundPlay(sound_name::kBoo);
            message = name + "は就職に失敗して行方不明になりました";
        }
        Report.raise(message);
    }
}

void clsMngStudent::MonthlyGraduateCheck(bool addAge) {
    std::vector<std::string> names;
    for (const auto& graduate : graduates_)
        names.push_back(graduate.Name());
    for (const auto& name : names) {
        auto* entry = graduates_.find(name);
        if (!entry) continue;
        clsGraduate& graduate = *entry;
        graduate.AbilityUp();
        if (addAge) {
            graduate.Age(saturate16(std::int64_t{graduate.Age()} + 1));
            continue;
        }
        const std::int32_t course = graduate.Course();
        std::string message;
        if (losesContact(graduate)) {
            graduates_.remove(name);
            message = GetCourseName(course) + "の" + name + "と連絡が取れなくなりました";
            Report.raise(message);
            continue;
        }
        std::int32_t target = 0;
        if (!course_.DecideChange(graduate, target)) continue;
        if (course == course::kAdventurer && target == course::kKnight) {
            message = name + "は冒険中に貴族の娘を助け、騎士になったと連絡がありました";
        } else if (course_.ChangeCourse(graduate, target)) {
            message = name + "は" + GetCourseName(course) + "から" + GetCourseName(target) +
                      "になったと連絡がありました";
        } else {
            continue;
        }
        graduate.CourseChange(target);
        Report.raise(message);
    }
}

bool clsMngStudent::CheckEnableGraduate() const {
    return !graduates_.empty();
}

void clsMngStudent::SetSponsorData(clsSponsorCondition& condition) const {
    for (const auto& graduate : graduates_)
        if (auto weight = sponsorWeight(graduate.Course())) addPoints(condition, *weight);
}
