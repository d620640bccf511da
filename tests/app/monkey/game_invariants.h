#pragma once

#include <string>
#include <vector>

class clsData;

namespace monkeytest {

// What must hold of the running game whatever the player did, read through
// the facade: the purse and the kingdom points within their caps, the
// calendar on a real day, the roster's names unique with every ability
// within its range, at most ten teachers under contract. Each broken rule
// is one line; none when all hold.
std::vector<std::string> brokenInvariants(const clsData& data, bool gameRunning);

} // namespace monkeytest
