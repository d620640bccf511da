#pragma once

#include "content/data_check/data_check.h"

#include <set>
#include <string>

// The monsters quest fights can draw: those the quests name and those of the
// regions they name.
std::set<std::string> monstersMet(const MasterData& data);

// Every item the player can come by: bought, won in a draw, paid by a job or
// a company, given with a permit, dropped by a monster a quest meets, or made.
std::set<std::string> obtainableItems(const MasterData& data);
