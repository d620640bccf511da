#include "balance/reckless_player.h"

#include <algorithm>

namespace {

constexpr long kTeachersKept = 3;
constexpr std::int16_t kDaysPerWeek = 7;

} // namespace

void RecklessPlayer::beforeDay() {
    hireTeachers(kTeachersKept, 0);
    if (day() == 1) {
        std::vector<Lesson> lessons = bookableLessons();
        std::stable_sort(lessons.begin(), lessons.end(),
                         [](const Lesson& a, const Lesson& b) { return a.need > b.need; });
        std::vector<std::string> names;
        for (std::size_t k = 0; k < lessons.size() && k < clsMngSchedule::Periods; ++k)
            names.push_back(lessons[k].name);
        bookLessons(names);
    }
    if (enterTournament()) return;
    if (day() % kDaysPerWeek == 0) sendQuest(true);
}
