#pragma once

#include "host/runtime/global.h"
#include "platform/graphics/cls_images.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"
#include "state/day/headless_host.h"
#include "state/state_support.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A whole game without a screen: the packed master data, silent services,
// blank lesson pictures and the headless main form, started as the title's
// Start starts a new game.
class HeadlessGame {
  public:
    HeadlessGame();

    clsData& data() { return data_; }
    HeadlessHost& host() { return host_; }
    SilentServices& services() { return *services_; }

  private:
    host::runtime::ScopedInstall<GameServices, SilentServices> services_;
    host::runtime::ScopedInstall<clsImages> images_;
    HeadlessHost host_;
    clsData data_{host_};
};

// A new player's first year, April to March: keeps the starting timetable,
// admits every newcomer (at the start and on the new year), hires a teacher
// once the money allows, enters every tournament, sends a team on the first
// request open to it on the first Saturday of a month and takes a part-time
// job on the second.
class FirstYearPlayer {
  public:
    explicit FirstYearPlayer(HeadlessGame& game);

    // Plays every day until the calendar is back at April 1.
    void playYear();

    // What the year showed.
    struct Day {
        std::int16_t month = 0;
        std::int16_t day = 0;
        std::int32_t money = 0;
    };
    const std::vector<Day>& days() const { return days_; }
    // Every report line, in order.
    const std::vector<std::string>& reports() const { return reports_; }
    const std::vector<std::string>& firstStudents() const { return firstStudents_; }
    const std::vector<std::string>& newYearStudents() const { return newYearStudents_; }
    // Each student's ability levels summed, at the start and on March 27.
    using AbilitySums = std::map<std::string, std::int64_t>;
    const AbilitySums& abilitiesAtStart() const { return abilitiesAtStart_; }
    const AbilitySums& abilitiesBeforeGraduation() const { return abilitiesBeforeGraduation_; }
    bool hiredTeacher() const { return hiredTeacher_; }
    // What broke an invariant, one line each; empty when nothing did.
    const std::vector<std::string>& broken() const { return broken_; }

  private:
    void playDay();
    void hireTeacher();
    bool enterTournament();
    bool sendQuest();
    void takeJob();
    // The first five students who may join a team with that physical cost; empty when fewer.
    std::vector<std::string> teamMembers(std::int16_t needPhysical) const;
    void sendTeam(const std::vector<std::string>& members, const std::string& quest);
    AbilitySums abilitySums() const;
    void checkInvariants();

    HeadlessGame& game_;
    clsData& data_;
    std::vector<Day> days_;
    std::vector<std::string> reports_;
    std::vector<std::string> firstStudents_;
    std::vector<std::string> newYearStudents_;
    AbilitySums abilitiesAtStart_;
    AbilitySums abilitiesBeforeGraduation_;
    bool hiredTeacher_ = false;
    std::vector<std::string> broken_;
};
