#include "balance/sensible_player.h"

#include <algorithm>
#include <map>

namespace {

constexpr long kTeachersKept = 3;
constexpr std::int32_t kMoneyReserve = 10000;
constexpr std::int16_t kFirstQuestDay = 7;
constexpr std::int16_t kJobDay = 14;
constexpr std::int16_t kSecondQuestDay = 21;

} // namespace

void SensiblePlayer::beforeDay() {
    hireTeachers(kTeachersKept, kMoneyReserve);
    if (day() == 1) fitTimetable();
    if (enterTournament()) return;
    if (day() == kFirstQuestDay || day() == kSecondQuestDay) sendQuest(false);
    if (day() == kJobDay) takeJob();
}

void SensiblePlayer::fitTimetable() {
    std::map<std::int16_t, Lesson> hardestFit;
    for (const Lesson& lesson : bookableLessons()) {
        if (lesson.need > medianLevel(lesson.ability)) continue;
        auto [at, added] = hardestFit.try_emplace(lesson.ability, lesson);
        if (!added && lesson.need > at->second.need) at->second = lesson;
    }
    std::vector<Lesson> chosen;
    for (const auto& [ability, lesson] : hardestFit)
        chosen.push_back(lesson);
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const Lesson& a, const Lesson& b) { return a.need > b.need; });
    std::vector<std::string> names;
    for (const Lesson& lesson : chosen)
        names.push_back(lesson.name);
    bookLessons(names);
}
