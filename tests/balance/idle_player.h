#pragma once

#include "balance/balance_player.h"

// Admits the newcomers and lets the days pass: nothing else is ever changed.
class IdlePlayer : public BalancePlayer {
  public:
    using BalancePlayer::BalancePlayer;

  protected:
    void beforeDay() override {}
};
