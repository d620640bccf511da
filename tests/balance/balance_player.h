#pragma once

#include "balance/balance_game.h"
#include "students/lessons/cls_mng_schedule.h"

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

// What one game showed over the years played.
struct BalanceRun {
    int admitted = 0;
    int withdrawn = 0;
    // Withdrawals in the first school year among the students admitted at the start.
    int withdrawnFirstYear = 0;
    int questsFought = 0;
    int questsWon = 0;
    int tournamentsEntered = 0;
    int tournamentsWon = 0;
    // The school year (1 = the first) of the first tournament won; 0 for none.
    int firstTournamentWinYear = 0;
    std::int16_t rankAtStart = 0;
    std::int16_t rankAtEnd = 0;
    // The school year of the first rank up; 0 for none.
    int firstRankUpYear = 0;
    // The quest ranks offered, and the highest school rank held on a day played.
    std::set<std::int16_t> questRanksOffered;
    std::int16_t highestRank = 0;
    long injuredStudentDays = 0;
    long studentDays = 0;
    // The share of student-days spent injured.
    double injuredShare() const {
        return studentDays == 0 ? 0.0
                                : static_cast<double>(injuredStudentDays) / static_cast<double>(studentDays);
    }
    // A first day of a month that the timetable check refused.
    bool stuck = false;
    int daysPlayed = 0;
    std::int32_t moneyAtStart = 0;
    std::int32_t moneyAtEnd = 0;
    // The students' mean summed ability level at the start and at each year's graduation eve.
    double levelAtStart = 0;
    std::vector<double> levelBeforeGraduation;
};

// A player on the facade's commands, playing whole years headless. Each
// strategy says what it does before a day passes.
class BalancePlayer {
  public:
    explicit BalancePlayer(BalanceGame& game);
    virtual ~BalancePlayer() = default;
    BalancePlayer(const BalancePlayer&) = delete;
    BalancePlayer& operator=(const BalancePlayer&) = delete;

    // Plays from April 1 through the given number of school years.
    BalanceRun play(int years);

  protected:
    // The strategy's commands before the day passes.
    virtual void beforeDay() = 0;

    clsData& data() { return data_; }
    std::int16_t month() const;
    std::int16_t day() const;

    // Contracts offered teachers while the school has fewer than wanted
    // and the money allows, keeping reserve.
    void hireTeachers(long wanted, std::int32_t reserve);
    // Enters today's tournament with the strongest fit team; false when there is none today.
    bool enterTournament();
    // Sends the strongest fit team on the offered quest chosen by the given
    // order of level values (the hardest or the easiest first).
    bool sendQuest(bool hardest);
    void takeJob();
    // Books every period of every weekday with the given lessons in turn,
    // each with the contracted teacher best at its ability.
    void bookLessons(const std::vector<std::string>& lessons);
    // The lessons the school's places offer as whole-class lessons, with their need.
    struct Lesson {
        std::string name;
        std::int16_t need = 0;
        std::int16_t ability = 0;
        std::int16_t basePoint = 0;
    };
    std::vector<Lesson> bookableLessons() const;
    // The contracted teacher best at the lesson's ability; no name when none is contracted.
    struct Teacher {
        std::string name;
        std::int16_t level = 0;
    };
    Teacher bestTeacher(const std::string& lesson) const;
    // The class's median level in one ability.
    std::int16_t medianLevel(std::int16_t ability) const;

  private:
    std::vector<std::string> strongestTeam(std::int16_t needPhysical) const;
    void sendTeam(const std::vector<std::string>& members, const std::string& quest);
    std::vector<std::string> studentNames() const;
    double meanLevel() const;
    void countInjured();
    void noteQuestRanks();
    // The periods whose teacher left become no-lesson periods.
    void cancelLessonsWithoutTeacher();
    // The school timetable as the game holds it, and given to every student
    // as the timetable screen's confirmation does.
    void readTimetable();
    void applyTimetable();
    int schoolYear() const { return yearsDone_ + 1; }

    BalanceGame& game_;
    clsData& data_;
    BalanceRun run_;
    std::vector<std::string> firstStudents_;
    int yearsDone_ = 0;
    struct Slot {
        std::int32_t type = 0;
        std::string lesson;
        std::string teacher;
    };
    std::array<Slot, clsMngSchedule::SlotCount> timetable_;
};
