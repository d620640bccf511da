#pragma once

#include "monkey_player.h"

#include "app/shell/headless_game.h"
#include "app/shell/program_folder.h"

#include "host/sys/clock.h"
#include "host/sys/message_box.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace monkeytest {

// Message boxes answered at random by the player; each one shown is kept.
class RandomAnswers : public host::sys::MessageBoxes {
  public:
    explicit RandomAnswers(MonkeyPlayer& player) : player_(player) {}
    void ok(const std::string& text, const std::string& title) override;
    bool yesNo(const std::string& text, const std::string& title) override;

    std::vector<host::sys::ScriptedMessageBoxes::Shown> shown;

  private:
    MonkeyPlayer& player_;
};

// How a run went: the steps played, what went wrong (empty when nothing),
// the last actions before it, the last day seen and how many different
// controls were acted on.
struct MonkeyRun {
    int steps = 0;
    int exitStatus = 0;
    std::string lastDate;
    std::set<std::string> controlsActedOn;
    std::vector<std::string> faults;
    std::deque<std::string> lastActions;
};

// How the player's school begins: as a new game does, without students, or
// with the month's newcomers all admitted (so that lessons, jobs, quests and
// units are open to play).
enum class Start { NewGame, WithAClass };

// The whole program on the null window with the virtual clock, in a program
// folder of its own, its random generator seeded by the wall clock the test
// sets: the same seed plays the same game. A run starts a new game from the
// title and lets the player act the given number of steps, the virtual clock
// running between them; after each one nothing may be in the error log, no
// internal error may have been shown and the facade's invariants must hold.
class MonkeyGame : public testing::Test {
  protected:
    MonkeyRun play(unsigned seed, int steps, Start start);

    apptest::ProgramFolder folder;
    host::runtime::ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock{
        host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(1000)};
    host::runtime::ScopedInstall<host::sys::WallClock, host::sys::ManualWallClock> wallClock{
        host::sys::installedWallClock,
        std::make_unique<host::sys::ManualWallClock>(std::chrono::system_clock::time_point{})};
    host::runtime::ScopedInstall<host::sound::AudioDevice> audio{
        host::sound::installedAudioDevice, std::make_unique<apptest::SilentAudioDevice>()};
};

// The run's faults and last actions, for a failure message.
std::string report(unsigned seed, const MonkeyRun& run);

} // namespace monkeytest
