#include "platform/masterdata/load_game_data.h"

#include "platform/crypto/bas_enc.h"
#include "platform/files/gfile.h"

namespace mdlQuorvel {

bool LoadGameData(GameDataReceiver& receiver) {
    auto bytes = File().FileReadBinary(kGameDataPath);
    if (!bytes) return false;
    auto password = basEnc::MakePassword(basEnc::kPasswordSeed);
    receiver.SetGameData(basEnc::DecryptBytes(*bytes, password, basEnc::CALG_MD5, basEnc::CALG_RC4));
    return true;
}

} // namespace mdlQuorvel
