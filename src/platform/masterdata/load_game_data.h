#pragma once

#include <cstdint>
#include <vector>

namespace mdlQuorvel {

// Takes the decrypted master data (the game-state facade).
class GameDataReceiver {
  public:
    virtual ~GameDataReceiver() = default;
    virtual void SetGameData(const std::vector<std::uint8_t>& arrByt) = 0;
};

inline constexpr const char* kGameDataPath = "\\Data\\Data.kpz";

// Reads the master-data archive whole through File(), decrypts it with the
// game's password and hands the bytes to the receiver. False, without calling
// the receiver, when the archive is missing or empty; the receiver's errors
// pass through.
bool LoadGameData(GameDataReceiver& receiver);

} // namespace mdlQuorvel
