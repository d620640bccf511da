#pragma once

#include "balance/balance_player.h"

// Keeps three teachers, books each month for every battle ability the
// lesson that teaches the class's median student most, enters every
// tournament, sends a team on the easiest quest twice a month and takes a
// part-time job once.
class SensiblePlayer : public BalancePlayer {
  public:
    using BalancePlayer::BalancePlayer;

  protected:
    void beforeDay() override;

  private:
    void fitTimetable();
};
