#pragma once

namespace mdlQuorvel {

// Registers the columns of every grid of the game in the column registry,
// taking the check and picture columns' pictures from the picture store. A
// missing picture raises the store's error; the columns before it stay.
void SetGridHeaders();

} // namespace mdlQuorvel
