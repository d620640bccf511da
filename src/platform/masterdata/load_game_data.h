#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace mdlQuorvel {

// Takes the decrypted master data (the game-state facade).
class GameDataReceiver {
  public:
    virtual ~GameDataReceiver() = default;
    virtual void SetGameData(const std::vector<std::uint8_t>& arrByt) = 0;
};

inline constexpr const char* kGameDataPath = "\\Data\\Data.kpz";

// The master-data archive cannot be used: what() names the file and the reason.
class GameDataFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads the master-data archive whole through File(), decrypts it with the
// game's password and hands the bytes to the receiver. A missing or empty
// archive raises GameDataFileError without calling the receiver; an archive
// the receiver cannot load raises it with the receiver's reason.
void LoadGameData(GameDataReceiver& receiver);

} // namespace mdlQuorvel
