#pragma once

#include "balance/balance_player.h"

// Books the hardest lessons the school's places offer, whatever the
// students' levels, sends a team on the hardest quest every week and
// enters every tournament.
class RecklessPlayer : public BalancePlayer {
  public:
    using BalancePlayer::BalancePlayer;

  protected:
    void beforeDay() override;
};
