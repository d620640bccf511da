#pragma once

#include "state/game_host.h"

#include <functional>

namespace mdlQuorvel {

// Creates and installs the seven globals in this order: the file service,
// the bit helper, the game-state facade (answered by host), the picture
// store, the battle driver (letting messages flow by doEvents), the sound
// manager and the column registry.
void CreateGlobals(GameHost& host, std::function<void()> doEvents);

// Releases them: the facade, the file service, the bit helper, the picture
// store, the battle driver, the sound manager, the column registry. Globals
// that are not installed are passed over.
void ReleaseGlobals();

} // namespace mdlQuorvel
