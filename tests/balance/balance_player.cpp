#include "balance/balance_player.h"
#include "support/facade_managers.h"

#include "host/runtime/convert.h"
#include "state/day/day_support.h"
#include "students/abilities.h"
#include "students/lessons/cls_class_schedule.h"
#include "students/student/cls_student.h"
#include "students/student/cls_student_data.h"

#include <algorithm>

using host::runtime::CInt;

namespace {

// The school menu's part-time job and quest entries (clsData::CheckSchoolMenu).
constexpr std::int16_t kJobMenu = 6;
constexpr std::int16_t kQuestMenu = 7;
// GetClassData's pick lists.
constexpr std::int16_t kLessonList = 0;
constexpr std::int16_t kTeacherList = 1;
constexpr std::int16_t kGraduationEveMonth = 3;
constexpr std::int16_t kGraduationEveDay = 27;

const host::runtime::Collection<clsGetGridData> kNonePicked;

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

BalancePlayer::BalancePlayer(BalanceGame& game) : game_(game), data_(game.data()) {}

std::int16_t BalancePlayer::month() const {
    return managers(data_).system().GetMonth();
}

std::int16_t BalancePlayer::day() const {
    return managers(data_).system().GetDay();
}

BalanceRun BalancePlayer::play(int years) {
    const std::string withdrew = "が退学しました";
    data_.Report.subscribe([this, withdrew](std::string& MSG) {
        if (!endsWith(MSG, withdrew)) return;
        ++run_.withdrawn;
        const std::string name = MSG.substr(0, MSG.size() - withdrew.size());
        if (yearsDone_ == 0 && std::count(firstStudents_.begin(), firstStudents_.end(), name) > 0)
            ++run_.withdrawnFirstYear;
    });
    data_.NewYear.subscribe(
        [this] { run_.admitted += static_cast<int>(daytest::admitNewcomers(data_).size()); });
    data_.DayEnd.subscribe([this] {
        countInjured();
        if (month() == kGraduationEveMonth && day() == kGraduationEveDay)
            run_.levelBeforeGraduation.push_back(meanLevel());
    });

    firstStudents_ = daytest::admitNewcomers(data_);
    run_.admitted = static_cast<int>(firstStudents_.size());
    run_.rankAtStart = data_.GetRankAsNumber();
    run_.highestRank = run_.rankAtStart;
    run_.moneyAtStart = data_.GetMoney();
    run_.levelAtStart = meanLevel();
    readTimetable();

    std::int16_t rank = run_.rankAtStart;
    while (yearsDone_ < years) {
        beforeDay();
        noteQuestRanks();
        if (day() == 1 && !data_.CheckClassSetting()) {
            // The one thing every player must do: a period whose teacher left
            // becomes a no-lesson period.
            cancelLessonsWithoutTeacher();
            if (!data_.CheckClassSetting()) {
                run_.stuck = true;
                break;
            }
        }
        const std::size_t places = game_.host().places().size();
        data_.DateForword(1);
        ++run_.daysPlayed;
        const std::vector<std::string>& after = game_.host().places();
        if (after.size() > places && after.back() == "1" && run_.firstTournamentWinYear == 0)
            run_.firstTournamentWinYear = schoolYear();
        if (data_.GetRankAsNumber() > rank && run_.firstRankUpYear == 0) run_.firstRankUpYear = schoolYear();
        rank = data_.GetRankAsNumber();
        if (month() == 4 && day() == 1) ++yearsDone_;
    }

    run_.rankAtEnd = data_.GetRankAsNumber();
    run_.moneyAtEnd = data_.GetMoney();
    for (const std::string& winner : game_.host().questWinners()) {
        ++run_.questsFought;
        if (winner == clsData::AcademyUnitName) ++run_.questsWon;
    }
    for (const std::string& place : game_.host().places()) {
        ++run_.tournamentsEntered;
        if (place == "1") ++run_.tournamentsWon;
    }
    return run_;
}

void BalancePlayer::hireTeachers(long wanted, std::int32_t reserve) {
    while (managers(data_).teachers().GetContractTeacherCount() < wanted &&
           managers(data_).teachers().CheckIsMaxTeacher()) {
        bool hired = false;
        for (const clsGetGridData& row : managers(data_).teachers().GetNewComer()) {
            const std::string name = row.Data(1);
            const std::int32_t price = managers(data_).teachers().GetContractMoney(name);
            if (data_.GetMoney() - price < reserve || !managers(data_).system().SubMoney(price)) continue;
            managers(data_).teachers().SetContract(name);
            hired = true;
            break;
        }
        if (!hired) return;
    }
}

bool BalancePlayer::enterTournament() {
    if (!managers(data_).system().CheckBattleGameDay() || !data_.CheckSchoolMenu(kQuestMenu)) return false;
    const clsGetGridData tournament = managers(data_).lines().GetBattleGame(month(), data_.GetRankAsNumber());
    const std::vector<std::string> members = strongestTeam(CInt(tournament.Data(2)));
    if (members.empty()) return false;
    sendTeam(members, tournament.Data(1));
    return true;
}

bool BalancePlayer::sendQuest(bool hardest) {
    if (!data_.CheckSchoolMenu(kQuestMenu)) return false;
    const host::runtime::Collection<clsGetGridData> open =
        managers(data_).system().GetQuest(managers(data_).students().GetQuest(), false, clsGetGridData{});
    std::vector<clsGetGridData> quests;
    for (const clsGetGridData& quest : open)
        quests.push_back(quest);
    std::stable_sort(quests.begin(), quests.end(), [&](const clsGetGridData& a, const clsGetGridData& b) {
        const int levelA = CInt(a.Data(2)), levelB = CInt(b.Data(2));
        return hardest ? levelA > levelB : levelA < levelB;
    });
    for (const clsGetGridData& quest : quests) {
        const std::vector<std::string> members = strongestTeam(CInt(quest.Data(2)));
        if (members.empty()) continue;
        sendTeam(members, quest.Data(1));
        return true;
    }
    return false;
}

void BalancePlayer::takeJob() {
    if (!data_.CheckSchoolMenu(kJobMenu)) return;
    const host::runtime::Collection<clsGetGridData> jobs = managers(data_).arbeits().GetArbeitData(month());
    if (!jobs.empty()) data_.SetArbeit(jobs.item(1).Data(1));
}

void BalancePlayer::bookLessons(const std::vector<std::string>& lessons) {
    if (lessons.empty()) return;
    const std::int16_t periods = managers(data_).system().GetClassNum();
    std::size_t next = 0;
    for (std::int16_t weekday = 0; weekday < clsMngSchedule::Weekdays; ++weekday) {
        for (std::int16_t period = 0; period < periods; ++period) {
            const std::string& lesson = lessons[next++ % lessons.size()];
            const Teacher best = bestTeacher(lesson);
            if (best.name.empty()) return applyTimetable();
            timetable_[static_cast<std::size_t>(weekday * clsMngSchedule::Periods + period)] = {
                clsClassSchedule::WholeClass, lesson, best.name};
        }
    }
    applyTimetable();
}

BalancePlayer::Teacher BalancePlayer::bestTeacher(const std::string& lesson) const {
    Teacher best;
    const auto teachers =
        data_.GetClassData(kTeacherList, clsClassSchedule::WholeClass, kNonePicked, lesson).value();
    for (const clsGetGridData& row : teachers) {
        if (!best.name.empty() && CInt(row.Data(4)) <= best.level) continue;
        best = {row.Data(1), CInt(row.Data(4))};
    }
    return best;
}

void BalancePlayer::cancelLessonsWithoutTeacher() {
    for (std::int16_t slot = 0; slot < clsMngSchedule::SlotCount; ++slot)
        if (!data_.CheckContractTeacher(timetable_[static_cast<std::size_t>(slot)].teacher))
            timetable_[static_cast<std::size_t>(slot)] = {clsClassSchedule::NoLesson, "", ""};
    applyTimetable();
}

void BalancePlayer::readTimetable() {
    const std::vector<std::string> names = studentNames();
    for (std::int16_t slot = 0; slot < clsMngSchedule::SlotCount; ++slot) {
        Slot& mine = timetable_[static_cast<std::size_t>(slot)];
        mine.type = data_.GetClassTypeAsNumber(slot);
        if (names.empty()) continue;
        const std::shared_ptr<clsClassSchedule> record = data_.GetSchedule(names.front(), slot);
        mine.lesson = record->ClassName();
        mine.teacher = record->ClassTeacher();
    }
}

void BalancePlayer::applyTimetable() {
    const std::vector<std::string> names = studentNames();
    host::runtime::Collection<std::shared_ptr<clsClassSchedule>> records;
    for (std::int16_t slot = 0; slot < clsMngSchedule::SlotCount; ++slot) {
        const Slot& mine = timetable_[static_cast<std::size_t>(slot)];
        data_.SetClassTypeAsNumber(slot, mine.type, mine.lesson, mine.teacher, "");
        auto record = std::make_shared<clsClassSchedule>();
        record->DayofWeek(static_cast<std::int16_t>(slot / clsMngSchedule::Periods + 1));
        record->Number(static_cast<std::int16_t>(slot % clsMngSchedule::Periods + 1));
        record->ClassType(mine.type);
        record->ClassName(mine.lesson);
        record->ClassTeacher(mine.teacher);
        for (const std::string& name : names)
            records.add(record, name + ":" + std::to_string(slot));
    }
    data_.SetStudentSchedule(records);
}

std::vector<BalancePlayer::Lesson> BalancePlayer::bookableLessons() const {
    std::vector<Lesson> lessons;
    const auto rows = data_.GetClassData(kLessonList, clsClassSchedule::WholeClass, kNonePicked, "").value();
    for (const clsGetGridData& row : rows)
        lessons.push_back({row.Data(1), CInt(row.Data(4)),
                           managers(data_).classes().GetClassTargetAbility(row.Data(1)),
                           managers(data_).classes().GetClass(row.Data(1)).BasePoint()});
    return lessons;
}

std::int16_t BalancePlayer::medianLevel(std::int16_t ability) const {
    std::vector<std::int16_t> levels;
    for (const std::string& name : studentNames()) {
        clsStudent* student = nullptr;
        if (managers(data_).students().GetStudent(name, student))
            levels.push_back(student->GetStudentData(clsStudentData::LevelBlock, ability));
    }
    if (levels.empty()) return 0;
    std::nth_element(levels.begin(), levels.begin() + static_cast<long>(levels.size() / 2), levels.end());
    return levels[levels.size() / 2];
}

std::vector<std::string> BalancePlayer::strongestTeam(std::int16_t needPhysical) const {
    std::vector<std::pair<long, std::string>> fit;
    for (const clsGetGridData& row : managers(data_).students().GetEnableUnitMember(needPhysical)) {
        clsStudent* student = nullptr;
        if (!managers(data_).students().GetStudent(row.Data(1), student)) continue;
        long strength = 0;
        for (std::int16_t n = 1; n <= ability::kCount; ++n)
            strength += student->GetAbility(n);
        fit.emplace_back(-strength, row.Data(1));
    }
    if (fit.size() < clsUnitData::Positions) return {};
    std::sort(fit.begin(), fit.end());
    std::vector<std::string> team;
    for (std::size_t k = 0; k < clsUnitData::Positions; ++k)
        team.push_back(fit[k].second);
    return team;
}

void BalancePlayer::sendTeam(const std::vector<std::string>& members, const std::string& quest) {
    clsUnitData team;
    for (std::size_t k = 0; k < members.size(); ++k)
        team.Lines(static_cast<std::int16_t>(k + 1), members[k]);
    team.LineName(managers(data_).lines().GetLineName("").item(1));
    team.QuestName(quest);
    data_.SetQuest(team);
}

std::vector<std::string> BalancePlayer::studentNames() const {
    std::vector<std::string> names;
    for (const clsGetGridData& row : managers(data_).students().GetStudentData())
        names.push_back(row.Data(1));
    return names;
}

double BalancePlayer::meanLevel() const {
    const std::vector<std::string> names = studentNames();
    if (names.empty()) return 0;
    long sum = 0;
    for (const std::string& name : names) {
        clsStudent* student = nullptr;
        if (!managers(data_).students().GetStudent(name, student)) continue;
        for (std::int16_t n = 1; n <= ability::kCount; ++n)
            sum += student->GetStudentData(clsStudentData::LevelBlock, n);
    }
    return static_cast<double>(sum) / static_cast<double>(names.size());
}

void BalancePlayer::countInjured() {
    for (const std::string& name : studentNames()) {
        clsStudent* student = nullptr;
        if (!managers(data_).students().GetStudent(name, student)) continue;
        ++run_.studentDays;
        if (student->Injury() > 0) ++run_.injuredStudentDays;
    }
}

void BalancePlayer::noteQuestRanks() {
    run_.highestRank = std::max(run_.highestRank, data_.GetRankAsNumber());
    for (const clsGetGridData& quest :
         managers(data_).system().GetQuest(managers(data_).students().GetQuest(), false, clsGetGridData{}))
        run_.questRanksOffered.insert(managers(data_).system().GetQuestRank(quest.Data(1)));
}
