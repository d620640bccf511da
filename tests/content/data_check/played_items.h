#pragma once

#include "content/data_check/data_check.h"
#include "economy/cls_mng_item.h"
#include "platform/services/silent_services.h"

#include <functional>

// Plays a rule out on an item manager loaded with the packed sections 14, 15,
// 26 and 28 as the facade loads them, under silent services whose draws the
// rule may script. A section that does not load, or an error in the play,
// becomes a finding.
void playOnItems(const MasterData& data, Findings& findings,
                 const std::function<void(clsMngItem& items, SilentServices& services)>& play);
