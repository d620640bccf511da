#include "balance/sensible_player.h"

#include "students/abilities.h"

#include <algorithm>
#include <map>

namespace {

constexpr long kTeachersKept = 3;
constexpr std::int32_t kMoneyReserve = 10000;
constexpr std::int16_t kFirstQuestDay = 7;
constexpr std::int16_t kJobDay = 14;
constexpr std::int16_t kSecondQuestDay = 21;

// What a sword-led team fights with: strength, the sword, its offence and
// defence abilities, and the attack formation it stands in.
const std::vector<std::int16_t> kBattleAbilities = {
    ability::kPhysical,  ability::kFencing,   ability::kMuscle,    ability::kQuickness,
    ability::kToughness, ability::kTechnique, ability::kIntention, ability::kAggressive,
};

// How far a level stands above a lesson's need, in the percent a player
// counts on, up to cap.
int aboveNeed(int level, int need, int cap) {
    return std::min(level - need, cap);
}

} // namespace

void SensiblePlayer::beforeDay() {
    hireTeachers(kTeachersKept, kMoneyReserve);
    if (day() == 1) fitTimetable();
    if (enterTournament()) return;
    if (day() == kFirstQuestDay || day() == kSecondQuestDay) sendQuest(false);
    if (day() == kJobDay) takeJob();
}

void SensiblePlayer::fitTimetable() {
    constexpr int kStudentCap = 25;
    constexpr int kTeacherCap = 50;
    std::map<std::int16_t, std::pair<int, std::string>> bestFit;
    for (const Lesson& lesson : bookableLessons()) {
        if (std::find(kBattleAbilities.begin(), kBattleAbilities.end(), lesson.ability) ==
            kBattleAbilities.end())
            continue;
        const std::int16_t median = medianLevel(lesson.ability);
        if (lesson.need > median) continue;
        // The player's estimate of the lesson's worth: its base points, raised
        // by how far the median student and the best teacher stand above its need.
        const int points = lesson.basePoint * (100 + aboveNeed(median, lesson.need, kStudentCap)) *
                           (100 + aboveNeed(bestTeacher(lesson.name).level, lesson.need, kTeacherCap));
        auto [at, added] = bestFit.try_emplace(lesson.ability, points, lesson.name);
        if (!added && points > at->second.first) at->second = {points, lesson.name};
    }
    std::vector<std::string> names;
    for (std::int16_t wanted : kBattleAbilities) {
        const auto at = bestFit.find(wanted);
        if (at != bestFit.end()) names.push_back(at->second.second);
    }
    bookLessons(names);
}
