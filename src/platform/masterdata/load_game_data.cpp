#include "platform/masterdata/load_game_data.h"

#include "host/sys/paths.h"
#include "platform/crypto/bas_enc.h"
#include "platform/files/gfile.h"

namespace mdlQuorvel {

void LoadGameData(GameDataReceiver& receiver) {
    const std::string file = host::sys::gamePath(kGameDataPath).string();
    auto bytes = File().FileReadBinary(kGameDataPath);
    if (!bytes || bytes->empty()) throw GameDataFileError(file + ": the master data is missing");
    auto password = basEnc::MakePassword(basEnc::kPasswordSeed);
    try {
        receiver.SetGameData(basEnc::DecryptBytes(*bytes, password, basEnc::CALG_MD5, basEnc::CALG_RC4));
    } catch (const std::exception& error) {
        throw GameDataFileError(file + ": the master data is damaged (" + error.what() + ")");
    }
}

} // namespace mdlQuorvel
